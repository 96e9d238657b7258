#include "toolkit/rtf.h"

#include <QColor>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace {

// Character formatting, scoped by groups.
struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = -1;  // -1: the document's default font (\deff)
    int halfPoints = 24;
    int color = -1;  // -1: auto
    bool operator==(const CharState&) const = default;
};

// Where the text of a group goes.
enum class Destination : std::uint8_t { Text, FontTable, ColorTable, Skip };

struct GroupState {
    CharState chars;
    Destination destination = Destination::Text;
    int fallbackLength = 1;  // \ucN
};

// Groups whose contents are never shown although they come without \*.
constexpr std::array<std::string_view, 14> kSkippedGroups = {
    "stylesheet", "info",   "pict",    "header",    "footer",   "headerl", "headerr",
    "footerl",    "footerr", "object", "listtable", "rsidtbl", "themedata", "listoverridetable"};

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned
// bytes keep their own value, as Windows maps them.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class RtfReader {
public:
    RtfReader(std::string_view rtf, QTextDocument& document) : FIn(rtf), FCursor(&document) {
        FGroups.emplace_back();
    }

    void Run() {
        while (FPos < FIn.size()) {
            char c = FIn[FPos++];
            if (c == '{') {
                FSkip = 0;  // a fallback never reaches past a brace
                FGroups.push_back(FGroups.back());
            } else if (c == '}') {
                FSkip = 0;
                EndGroup();
            } else if (c == '\\') {
                Control();
            } else if (c != '\r' && c != '\n') {
                RawChar(c);
            }
        }
        Flush();
    }

private:
    GroupState& State() { return FGroups.back(); }

    void EndGroup() {
        if (State().destination == Destination::FontTable) EndFontName();
        // Unbalanced closing braces leave the outermost group in place.
        if (FGroups.size() > 1) FGroups.pop_back();
    }

    // After a backslash: a control word with its optional number, or a symbol.
    void Control() {
        if (FPos >= FIn.size()) return;
        if (!IsLetter(FIn[FPos])) {
            Symbol(FIn[FPos++]);
            return;
        }
        std::size_t start = FPos;
        while (FPos < FIn.size() && IsLetter(FIn[FPos])) ++FPos;
        std::string_view word = FIn.substr(start, FPos - start);
        bool negative = FPos + 1 < FIn.size() && FIn[FPos] == '-' && IsDigit(FIn[FPos + 1]);
        if (negative) ++FPos;
        bool hasParam = FPos < FIn.size() && IsDigit(FIn[FPos]);
        long long value = 0;
        while (FPos < FIn.size() && IsDigit(FIn[FPos])) value = std::min(value * 10 + (FIn[FPos++] - '0'), 1LL << 32);
        if (FPos < FIn.size() && FIn[FPos] == ' ') ++FPos;  // the delimiter belongs to the word
        int param = int(std::clamp(negative ? -value : value, -(1LL << 31), (1LL << 31) - 1));
        if (word == "bin") {  // raw bytes follow, whatever the state
            FPos += std::min<std::size_t>(std::size_t(std::max(param, 0)), FIn.size() - FPos);
            return;
        }
        if (FSkip > 0) {  // a control word in a fallback counts as one character
            --FSkip;
            return;
        }
        Word(word, hasParam, param);
    }

    void Symbol(char c) {
        if (c == '*') {
            State().destination = Destination::Skip;
            return;
        }
        if (c == '\'') {
            int high = FPos < FIn.size() ? HexValue(FIn[FPos]) : -1;
            if (high < 0) return;
            ++FPos;
            int low = FPos < FIn.size() ? HexValue(FIn[FPos]) : -1;
            if (low < 0) return;
            ++FPos;
            if (!SkipFallback()) Byte(static_cast<unsigned char>(high * 16 + low));
            return;
        }
        if (SkipFallback()) return;
        switch (c) {
        case '\\': case '{': case '}': Put(QChar(c)); break;
        case '~': Put(QChar(0x00A0)); break;
        case '_': Put(QChar(0x2011)); break;
        case '\r': case '\n': Paragraph(); break;
        case '\t': Put(QChar('\t')); break;
        default: break;  // \- (optional hyphen), \: and the rest show nothing
        }
    }

    void Word(std::string_view word, bool hasParam, int param) {
        GroupState& s = State();
        CharState& ch = s.chars;
        bool on = !hasParam || param != 0;
        if (s.destination == Destination::Skip) return;
        if (word == "fonttbl") s.destination = Destination::FontTable;
        else if (word == "colortbl") s.destination = Destination::ColorTable;
        else if (std::find(kSkippedGroups.begin(), kSkippedGroups.end(), word) != kSkippedGroups.end())
            s.destination = Destination::Skip;
        else if (word == "f" && s.destination == Destination::FontTable) {
            EndFontName();
            FFontNumber = param;
        } else if (word == "red" || word == "green" || word == "blue") {
            if (s.destination != Destination::ColorTable) return;
            if (!FColor.isValid()) FColor = QColor(0, 0, 0);
            int v = std::clamp(param, 0, 255);
            if (word == "red") FColor.setRed(v);
            else if (word == "green") FColor.setGreen(v);
            else FColor.setBlue(v);
        } else if (word == "u" && hasParam) {
            Put(QChar(char16_t(param & 0xFFFF)));  // a surrogate pair comes as two of these
            FSkip = std::max(s.fallbackLength, 0);
        } else if (word == "uc" && hasParam) s.fallbackLength = param;
        else if (word == "ansicpg" && hasParam) SetCodePage(param);
        else if (word == "deff" && hasParam) FDefaultFont = param;
        else if (word == "f" && hasParam) ch.font = param;
        else if (word == "fs" && hasParam && param > 0) ch.halfPoints = std::min(param, 3276);
        else if (word == "cf") ch.color = hasParam ? param : -1;
        else if (word == "b") ch.bold = on;
        else if (word == "i") ch.italic = on;
        else if (word == "ul") ch.underline = on;
        else if (word == "ulnone") ch.underline = false;
        else if (word == "plain") ch = CharState{};
        else if (word == "par") Paragraph();
        else if (word == "line") Put(QChar(QChar::LineSeparator));
        else if (word == "tab") Put(QChar('\t'));
        else if (word == "emdash") Put(QChar(0x2014));
        else if (word == "endash") Put(QChar(0x2013));
        else if (word == "bullet") Put(QChar(0x2022));
        else if (word == "lquote") Put(QChar(0x2018));
        else if (word == "rquote") Put(QChar(0x2019));
        else if (word == "ldblquote") Put(QChar(0x201C));
        else if (word == "rdblquote") Put(QChar(0x201D));
        // \pard resets paragraph formatting, of which none is kept; anything
        // else is unknown and ignored.
    }

    // Text outside control words: table separators, or one byte of the code page.
    void RawChar(char c) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t') return;  // stray control bytes show nothing
        if (SkipFallback()) return;
        Destination d = State().destination;
        if (c == ';' && d == Destination::FontTable) EndFontName();
        else if (c == ';' && d == Destination::ColorTable) {
            FColors.push_back(FColor);  // none given: "auto"
            FColor = QColor();
        } else Byte(byte);
    }

    bool SkipFallback() {
        if (FSkip <= 0) return false;
        --FSkip;
        return true;
    }

    void SetCodePage(int codePage) {
        FDecoder.reset();
        if (codePage == 1252) return;
        QStringDecoder decoder(QStringLiteral("windows-%1").arg(codePage).toLatin1().constData());
        if (decoder.isValid()) FDecoder.emplace(std::move(decoder));  // else 1252 stays
    }

    void Byte(unsigned char b) {
        if (b < 0x80) Put(QChar(b));
        else if (FDecoder) {
            char c = char(b);
            QString s = (*FDecoder)(QByteArrayView(&c, 1));  // multi-byte pages complete later
            if (!s.isEmpty()) Put(s);
        } else if (b < 0xA0) Put(QChar(kCp1252High[b - 0x80]));
        else Put(QChar(b));
    }

    void Put(const QString& text) {
        switch (State().destination) {
        case Destination::Text:
            if (!FPending.isEmpty() && FPendingChars != State().chars) Flush();
            FPendingChars = State().chars;
            FPending += text;
            break;
        case Destination::FontTable: FFontName += text; break;
        default: break;
        }
    }

    void Paragraph() {
        if (State().destination != Destination::Text) return;
        Flush();
        // The new block carries the current format, so an empty line has its height.
        FCursor.insertBlock(QTextBlockFormat(), Format(State().chars));
    }

    void Flush() {
        if (FPending.isEmpty()) return;
        FCursor.insertText(FPending, Format(FPendingChars));
        FPending.clear();
    }

    void EndFontName() {
        QString name = FFontName.trimmed();
        if (!name.isEmpty() && FFontNumber >= 0) FFonts[FFontNumber] = name;
        FFontName.clear();
    }

    QTextCharFormat Format(const CharState& ch) const {
        QTextCharFormat format;
        format.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(ch.italic);
        format.setFontUnderline(ch.underline);
        format.setFontPointSize(ch.halfPoints / 2.0);
        auto font = FFonts.find(ch.font >= 0 ? ch.font : FDefaultFont);
        if (font != FFonts.end()) format.setFontFamilies(QStringList{font->second});
        if (ch.color >= 0 && std::size_t(ch.color) < FColors.size() && FColors[std::size_t(ch.color)].isValid())
            format.setForeground(FColors[std::size_t(ch.color)]);
        return format;
    }

    std::string_view FIn;
    std::size_t FPos = 0;
    QTextCursor FCursor;
    std::vector<GroupState> FGroups;
    int FSkip = 0;  // fallback characters still to drop after \uN
    std::optional<QStringDecoder> FDecoder;  // none: 1252
    QString FPending;
    CharState FPendingChars;
    std::map<int, QString> FFonts;
    int FDefaultFont = 0;
    int FFontNumber = -1;
    QString FFontName;
    std::vector<QColor> FColors;
    QColor FColor;  // the colour table entry being read
};

}  // namespace

void ReadRtf(std::string_view rtf, QTextDocument& document) {
    RtfReader reader(rtf, document);
    reader.Run();
}

String RtfEscape(const String& utf8) {
    String out;
    out.reserve(utf8.size());
    for (QChar c : QString::fromStdString(utf8)) {
        char16_t unit = c.unicode();
        if (unit < 0x80) {
            if (unit == '\\' || unit == '{' || unit == '}') out += '\\';
            out += char(unit);
        } else {
            out += "\\u" + std::to_string(std::int16_t(unit)) + "?";
        }
    }
    return out;
}
