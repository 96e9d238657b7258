#include "toolkit/definition_parser.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <unordered_map>

namespace definition {

Error::Error(int line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line), message_(message) {}

namespace {

// Real definitions nest a handful of levels; the cap keeps garbage input from
// exhausting the stack through recursion.
constexpr int kMaxDepth = 200;

bool isIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isIdentChar(char c) { return isIdentStart(c) || isDigit(c); }

int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Bytes outside printable ASCII are shown by value so messages stay readable.
std::string describeChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u > 0x20 && u < 0x7F) return std::string("'") + c + "'";
    char buf[16];
    std::snprintf(buf, sizeof buf, "byte 0x%02X", static_cast<unsigned>(u));
    return buf;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
    static constexpr unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
    const int extra = cp < 0x80 ? 0 : cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
    out += static_cast<char>(kLead[extra] | (cp >> (6 * extra)));
    for (int i = extra - 1; i >= 0; --i) out += static_cast<char>(0x80 | ((cp >> (6 * i)) & 0x3F));
}

enum class Tok { Name, Integer, String, Punct, Newline, End };

struct Token {
    Tok kind = Tok::End;
    std::string text;  // Name, decoded String, or the Punct character
    long long integer = 0;
    int line = 0;
};

std::string describe(const Token& t) {
    switch (t.kind) {
    case Tok::Name: return "\"" + t.text + "\"";
    case Tok::Integer: return "number " + std::to_string(t.integer);
    case Tok::String: return "a string";
    case Tok::Punct: return "'" + t.text + "'";
    case Tok::Newline: return "end of line";
    case Tok::End: return "end of input";
    }
    return "?";
}

bool isPunct(const Token& t, char c) { return t.kind == Tok::Punct && t.text[0] == c; }
bool isWord(const Token& t, std::string_view word) { return t.kind == Tok::Name && t.text == word; }

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    }

    int line() const { return line_; }

    // Line breaks are tokens, so this skips only spaces, CRs and comments.
    void skipBlank() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '#') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else {
                break;
            }
        }
    }

    bool atLineEnd() {
        skipBlank();
        return pos_ == text_.size() || text_[pos_] == '\n';
    }

    char peekChar() {
        skipBlank();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    // The unread remainder of the current line, shortened for messages.
    std::string restOfLine() const {
        const size_t eol = std::min(text_.find('\n', pos_), text_.size());
        std::string_view rest = text_.substr(pos_, eol - pos_);
        while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t' || rest.back() == '\r')) rest.remove_suffix(1);
        constexpr size_t kMax = 40;
        if (rest.size() <= kMax) return std::string(rest);
        size_t cut = kMax;
        while (cut > 0 && (static_cast<unsigned char>(rest[cut]) & 0xC0) == 0x80) --cut;  // keep UTF-8 whole
        return std::string(rest.substr(0, cut)) + "...";
    }

    Token next() {
        skipBlank();
        Token t;
        t.line = line_;
        if (pos_ == text_.size()) {
            // A final line break ends the last line rather than starting a new one.
            if (pos_ > 0 && text_[pos_ - 1] == '\n' && line_ > 1) t.line = line_ - 1;
            return t;
        }
        const char c = text_[pos_];
        if (c == '\n') {
            ++pos_;
            ++line_;
            t.kind = Tok::Newline;
        } else if (isIdentStart(c)) {
            t.kind = Tok::Name;
            t.text = name();
        } else if (isDigit(c) || c == '-' || c == '+') {
            t.kind = Tok::Integer;
            t.integer = number();
        } else if (c == '"') {
            t.kind = Tok::String;
            t.text = string();
        } else if (std::string_view("=:[](),").find(c) != std::string_view::npos) {
            ++pos_;
            t.kind = Tok::Punct;
            t.text = c;
        } else {
            throw Error(line_, "unexpected character " + describeChar(c));
        }
        return t;
    }

private:
    bool at(size_t i, char c) const { return i < text_.size() && text_[i] == c; }

    // An identifier, possibly dotted ("Font.Name").
    std::string name() {
        const size_t start = pos_;
        for (;;) {
            while (pos_ < text_.size() && isIdentChar(text_[pos_])) ++pos_;
            if (!at(pos_, '.')) return std::string(text_.substr(start, pos_ - start));
            if (pos_ + 1 >= text_.size() || !isIdentStart(text_[pos_ + 1]))
                throw Error(line_, "expected identifier after '.' in \"" +
                                       std::string(text_.substr(start, pos_ + 1 - start)) + "\"");
            ++pos_;
        }
    }

    long long number() {
        const size_t start = pos_;
        const bool negative = text_[pos_] == '-';
        if (text_[pos_] == '-' || text_[pos_] == '+') {
            ++pos_;
            if (pos_ == text_.size() || !isDigit(text_[pos_]))
                throw Error(line_, std::string("expected digits after '") + text_[start] + "'");
        }
        unsigned base = 10;
        if (at(pos_, '0') && (at(pos_ + 1, 'x') || at(pos_ + 1, 'X'))) {
            base = 16;
            pos_ += 2;
        }
        const unsigned long long limit = negative ? (1ULL << 63) : (1ULL << 63) - 1;
        unsigned long long magnitude = 0;
        bool overflow = false;
        const size_t digitsStart = pos_;
        for (; pos_ < text_.size(); ++pos_) {
            const int d = base == 16 ? hexValue(text_[pos_]) : (isDigit(text_[pos_]) ? text_[pos_] - '0' : -1);
            if (d < 0) break;
            if (magnitude > (limit - d) / base) overflow = true;
            else magnitude = magnitude * base + d;
        }
        if (pos_ == digitsStart || (pos_ < text_.size() && (isIdentChar(text_[pos_]) || text_[pos_] == '.'))) {
            size_t end = pos_;
            while (end < text_.size() && (isIdentChar(text_[end]) || text_[end] == '.')) ++end;
            throw Error(line_, "invalid number \"" + std::string(text_.substr(start, end - start)) + "\"");
        }
        if (overflow) throw Error(line_, "integer out of range: " + std::string(text_.substr(start, pos_ - start)));
        if (!negative) return static_cast<long long>(magnitude);
        return magnitude == (1ULL << 63) ? LLONG_MIN : -static_cast<long long>(magnitude);
    }

    bool atStringBreak() const { return pos_ == text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r'; }

    std::string string() {
        ++pos_;  // opening quote
        std::string out;
        for (;;) {
            if (atStringBreak()) throw Error(line_, "unterminated string");
            const char c = text_[pos_++];
            if (c == '"') return out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (atStringBreak()) throw Error(line_, "unterminated string");
            const char e = text_[pos_++];
            switch (e) {
            case '"':
            case '\\': out += e; break;
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'u': appendUtf8(out, codePoint('u', 4)); break;
            case 'U': appendUtf8(out, codePoint('U', 8)); break;
            default:
                throw Error(line_, "unknown escape \\" +
                                       (describeChar(e)[0] == '\'' ? std::string(1, e) : " followed by " + describeChar(e)) +
                                       " in string");
            }
        }
    }

    std::uint32_t codePoint(char escape, int digits) {
        const std::string name = std::string("\\") + escape;
        std::uint32_t cp = 0;
        for (int i = 0; i < digits; ++i, ++pos_) {
            const int d = pos_ < text_.size() ? hexValue(text_[pos_]) : -1;
            if (d < 0) throw Error(line_, "escape " + name + " needs " + std::to_string(digits) + " hex digits");
            cp = cp * 16 + static_cast<std::uint32_t>(d);
        }
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            throw Error(line_, "escape " + name + std::string(text_.substr(pos_ - digits, digits)) +
                                   " is not a valid code point");
        return cp;
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
};

class Parser {
public:
    explicit Parser(std::string_view text) : lex_(text) {}

    Node parseDefinition() {
        Token t = nextSkippingBlankLines();
        if (t.kind == Tok::End) throw Error(t.line, "definition is empty");
        if (!isWord(t, "object")) throw Error(t.line, "expected 'object' at start of definition");
        Node root = parseObject(t.line, 1);
        t = nextSkippingBlankLines();
        if (t.kind != Tok::End) throw Error(t.line, "text after the root object's 'end'");
        return root;
    }

private:
    Token nextSkippingBlankLines() {
        Token t = lex_.next();
        while (t.kind == Tok::Newline) t = lex_.next();
        return t;
    }

    void expectLineEnd(const std::string& after) {
        if (!lex_.atLineEnd())
            throw Error(lex_.line(), "unexpected text after " + after + ": " + lex_.restOfLine());
    }

    // Object and class names are plain identifiers; keywords are reserved.
    std::string plainName(const std::string& what, const std::string& after) {
        const Token t = lex_.next();
        if (t.kind != Tok::Name || t.text.find('.') != std::string::npos || t.text == "object" || t.text == "end")
            throw Error(t.line, "expected " + what + " after " + after + ", found " + describe(t));
        return t.text;
    }

    // Called just after the 'object' keyword; consumes through the matching 'end'.
    Node parseObject(int line, int depth) {
        if (depth > kMaxDepth)
            throw Error(line, "objects nested more than " + std::to_string(kMaxDepth) + " levels deep");
        Node node;
        node.line = line;
        node.name = plainName("object name", "'object'");
        const Token colon = lex_.next();
        if (!isPunct(colon, ':')) throw Error(colon.line, "expected ':' after object name \"" + node.name + "\"");
        node.className = plainName("class name", "':'");
        expectLineEnd("object header");

        std::unordered_map<std::string, int> firstLine;
        for (;;) {
            const Token t = nextSkippingBlankLines();
            if (t.kind == Tok::End)
                throw Error(t.line, "missing 'end' for object \"" + node.name + "\" opened on line " +
                                        std::to_string(node.line));
            if (isWord(t, "end")) {
                expectLineEnd("'end'");
                return node;
            }
            if (isWord(t, "object")) {
                node.children.push_back(parseObject(t.line, depth + 1));
                continue;
            }
            if (t.kind != Tok::Name)
                throw Error(t.line, "expected property name, 'object' or 'end', found " + describe(t));
            Property p = parseProperty(t);
            const auto [it, fresh] = firstLine.emplace(p.name, p.line);
            if (!fresh)
                throw Error(p.line, "duplicate property \"" + p.name + "\" (first set on line " +
                                        std::to_string(it->second) + ")");
            node.properties.push_back(std::move(p));
        }
    }

    Property parseProperty(const Token& name) {
        Property p;
        p.name = name.text;
        p.line = name.line;
        const Token eq = lex_.next();
        if (!isPunct(eq, '=')) throw Error(eq.line, "expected '=' after property name \"" + p.name + "\"");
        p.value = parseValue(p.name);
        expectLineEnd("value");
        return p;
    }

    Value parseValue(const std::string& property) {
        const Token t = lex_.next();
        Value v;
        v.line = t.line;
        if (t.kind == Tok::Integer) {
            v.kind = Value::Kind::Integer;
            v.integer = t.integer;
        } else if (t.kind == Tok::String) {
            v.kind = Value::Kind::String;
            v.text = t.text;
        } else if (t.kind == Tok::Name && t.text == "resource" && lex_.peekChar() == '(') {
            v.kind = Value::Kind::Resource;
            v.text = parseResource();
        } else if (t.kind == Tok::Name) {
            v.kind = Value::Kind::Identifier;
            v.text = t.text;
        } else if (isPunct(t, '[')) {
            v.kind = Value::Kind::Set;
            v.items = parseSet();
        } else if (isPunct(t, '(')) {
            v.kind = Value::Kind::StringList;
            v.items = parseList(t.line);
        } else if (t.kind == Tok::Newline || t.kind == Tok::End) {
            throw Error(t.line, "missing value for property \"" + property + "\"");
        } else {
            throw Error(t.line, "expected a value for property \"" + property + "\", found " + describe(t));
        }
        return v;
    }

    std::string parseResource() {
        lex_.next();  // '(' already seen by peekChar
        const Token name = lex_.next();
        if (name.kind != Tok::String)
            throw Error(name.line, "expected a quoted name in resource(...), found " + describe(name));
        if (name.text.empty()) throw Error(name.line, "empty resource name");
        const Token close = lex_.next();
        if (!isPunct(close, ')')) throw Error(close.line, "expected ')' after resource name, found " + describe(close));
        return name.text;
    }

    // Sets stay on one line; only string lists may span lines.
    std::vector<std::string> parseSet() {
        std::vector<std::string> items;
        Token t = lex_.next();
        if (isPunct(t, ']')) return items;
        for (;;) {
            if (t.kind != Tok::Name || t.text.find('.') != std::string::npos)
                throw Error(t.line, "expected identifier in set, found " + describe(t));
            items.push_back(t.text);
            t = lex_.next();
            if (isPunct(t, ']')) return items;
            if (!isPunct(t, ',')) throw Error(t.line, "expected ',' or ']' in set, found " + describe(t));
            t = lex_.next();
        }
    }

    std::vector<std::string> parseList(int openLine) {
        std::vector<std::string> items;
        const std::string opened = "list opened on line " + std::to_string(openLine);
        for (;;) {
            const Token t = lex_.next();
            if (t.kind == Tok::String) items.push_back(t.text);
            else if (isPunct(t, ')')) return items;
            else if (t.kind == Tok::End) throw Error(t.line, "unterminated " + opened);
            else if (t.kind != Tok::Newline)
                throw Error(t.line, "expected string or ')' in " + opened + ", found " + describe(t));
        }
    }

    Lexer lex_;
};

}  // namespace

Node Parse(std::string_view text) { return Parser(text).parseDefinition(); }

}  // namespace definition
