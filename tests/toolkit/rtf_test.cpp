// The help text's RTF: formatting scoped by groups, special characters and
// code pages, and no crash or hang on broken input.

#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <random>

#include "support/help_rtf.h"
#include "toolkit/rtf.h"

namespace {

// The text with paragraphs as "\n"; unlike toPlainText, no-break spaces stay.
QString Text(const QTextDocument& document) {
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

QString Read(std::string_view rtf) {
    QTextDocument document;
    ReadRtf(rtf, document);
    return Text(document);
}

// The format of a run of text, which must be the same for all its characters.
QTextCharFormat RunFormat(const QTextDocument& document, const QString& run) {
    QTextCursor found = document.find(run, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull()) {
        ADD_FAILURE() << "no run " << run.toStdString();
        return {};
    }
    QTextCursor at(const_cast<QTextDocument*>(&document));
    at.setPosition(found.selectionStart() + 1);
    QTextCharFormat format = at.charFormat();
    for (int p = found.selectionStart() + 2; p <= found.selectionEnd(); ++p) {
        at.setPosition(p);
        EXPECT_EQ(at.charFormat(), format) << "format changes inside " << run.toStdString() << " at " << p;
    }
    return format;
}

QString Family(const QTextCharFormat& format) { return format.fontFamilies().toStringList().value(0); }

TEST(Rtf, HelpDocumentTextAndParagraphs) {
    QTextDocument document;
    ReadRtf(kHelp, document);
    EXPECT_EQ(document.toPlainText(),
              QString("ZELKOR ZK-WAVE-410 Series Settings Program\n\n"
                      "This program will help you.\n\n"
                      "Yellow circles provide information.\n\n"
                      "Note: Make sure \u2014 the options; this program.\n\n"));
}

TEST(Rtf, HelpDocumentFormatting) {
    QTextDocument document;
    ReadRtf(kHelp, document);
    const QColor grey(64, 64, 64), yellow(255, 255, 64);

    QTextCharFormat title = RunFormat(document, "ZELKOR ZK-WAVE-410 Series Settings Program");
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_EQ(title.fontPointSize(), 16.0);
    EXPECT_EQ(title.foreground().color(), grey);
    EXPECT_EQ(Family(title), "Verdana");

    QTextCharFormat body = RunFormat(document, "This program will help you.");
    EXPECT_NE(body.fontWeight(), QFont::Bold);
    EXPECT_EQ(body.fontPointSize(), 12.0);

    QTextCharFormat circles = RunFormat(document, "Yellow circles");
    EXPECT_EQ(circles.fontWeight(), QFont::Bold);
    EXPECT_EQ(circles.fontPointSize(), 12.0);
    EXPECT_EQ(circles.foreground().color(), yellow);

    // The group ends: bold and colour go back to what was set outside it.
    QTextCharFormat after = RunFormat(document, " provide information.");
    EXPECT_NE(after.fontWeight(), QFont::Bold);
    EXPECT_EQ(after.foreground().color(), grey);

    QTextCharFormat note = RunFormat(document, "Note:");
    EXPECT_EQ(note.fontWeight(), QFont::Bold);
    EXPECT_EQ(note.fontPointSize(), 16.0);
    EXPECT_EQ(RunFormat(document, " Make sure").fontPointSize(), 12.0);
}

TEST(Rtf, GroupsScopeEveryCharacterProperty) {
    QTextDocument document;
    ReadRtf("{\\rtf1{\\fonttbl\\f0 Arial;\\f1\\fnil Courier New;}{\\colortbl;\\red255\\green0\\blue0;}\\deff1"
            "A{\\b\\i\\ul\\cf1\\f0\\fs40 B{\\b0\\i0\\ulnone C}D}E\\b\\cf1 F\\plain G}",
            document);
    ASSERT_EQ(Text(document), "ABCDEFG");
    struct Case {
        const char* run;
        bool bold, italic, underline, red;
        const char* family;
        double points;
    };
    const Case cases[] = {
        {"A", false, false, false, false, "Courier New", 12},  // \deff, and the empty first colour is auto
        {"B", true, true, true, true, "Arial", 20},
        {"C", false, false, false, true, "Arial", 20},
        {"D", true, true, true, true, "Arial", 20},
        {"E", false, false, false, false, "Courier New", 12},
        {"F", true, false, false, true, "Courier New", 12},
        {"G", false, false, false, false, "Courier New", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.run);
        QTextCharFormat f = RunFormat(document, c.run);
        EXPECT_EQ(f.fontWeight() == QFont::Bold, c.bold);
        EXPECT_EQ(f.fontItalic(), c.italic);
        EXPECT_EQ(f.fontUnderline(), c.underline);
        EXPECT_EQ(f.hasProperty(QTextFormat::ForegroundBrush), c.red);
        if (c.red) {
            EXPECT_EQ(f.foreground().color(), QColor(255, 0, 0));
        }
        EXPECT_EQ(Family(f), c.family);
        EXPECT_EQ(f.fontPointSize(), c.points);
    }
}

TEST(Rtf, SpecialCharactersAndCodePages) {
    struct Case {
        const char* rtf;
        const char16_t* text;
    };
    const Case cases[] = {
        {"{\\rtf1 \\'b1}", u"\u00B1"},
        {"{\\rtf1 \\'80\\'93x\\'94}", u"\u20AC\u201Cx\u201D"},  // 1252, not Latin-1
        {"{\\rtf1\\ansi\\ansicpg1251 \\'c6}", u"\u0416"},
        {"{\\rtf1\\uc1 \\u177?}", u"\u00B1"},
        {"{\\rtf1 \\u177?5}", u"\u00B15"},  // one fallback character by default
        {"{\\rtf1\\uc0 \\u177?}", u"\u00B1?"},
        {"{\\rtf1\\uc2 \\u8364\\'80\\'80x}", u"\u20ACx"},
        {"{\\rtf1 \\u-10179?\\u-8704?}", u"\U0001F600"},
        {"{\\rtf1 {\\uc3 \\u177?}xyz}", u"\u00B1xyz"},  // the fallback ends with its group
        {"{\\rtf1 a\\\\b\\{c\\}}", u"a\\b{c}"},
        {"{\\rtf1 a\\~b}", u"a\u00A0b"},
        {"{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}",
         u"\u2014\u2013\u2022\u2018\u2019\u201C\u201D"},
        {"{\\rtf1 a\\tab b\\line c}", u"a\tb\u2028c"},
        {"{\\rtf1 a\\par\\par b\\par}", u"a\n\nb\n"},
        {"{\\rtf1 a\r\nb}", u"ab"},
        {"{\\rtf1 \\foo123 bar\\baz-4}", u"bar"},
        {"{\\rtf1 {\\*\\unknown stuff {nested}}visible}", u"visible"},
        {"{\\rtf1 {\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}x}", u"x"},
        {"{\\rtf1 a\\bin3 {}\\b}", u"ab"},  // binary data is skipped, braces and all
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.rtf), QString::fromUtf16(c.text)) << c.rtf;
}

TEST(Rtf, BrokenInputReadsWhatItCan) {
    using namespace std::string_literals;
    struct Case {
        std::string rtf;
        const char* text;
    };
    const Case cases[] = {
        {"{{{", ""},
        {"}}}", ""},
        {"}}}{\\rtf1 x}}}y", "xy"},
        {"\\", ""},
        {"{\\rtf1 a\\", "a"},
        {"\\u", ""},
        {"{\\rtf1 a\\u", "a"},
        {"{\\rtf1 a\\u-", "a-"},  // a minus without digits is text
        {"\\'4", ""},
        {"{\\rtf1 a\\'4g}", "ag"},
        {"{\\*\\unknown stuff}visible", "visible"},
        {"{\\rtf1 a\\bin99999999999 b}", "a"},
        {"{\\rtf1 a\0b\x01\x7f}"s, "ab\x7f"},
        {"{\\rtf1 \\fs999999999999999 \\cf-5 \\uc-3 \\u99999999999?x\\f-1 y}", nullptr},
        {std::string(100000, '{') + "deep" + std::string(10, '}'), "deep"},
        {std::string(100000, '}') + "x", "x"},
    };
    for (const Case& c : cases) {
        QString text = Read(c.rtf);
        if (c.text) {
            EXPECT_EQ(text, QString::fromUtf8(c.text)) << c.rtf.substr(0, 60);
        }
    }
}

TEST(Rtf, EveryTruncationOfTheHelpReadsAPrefixOfItsText) {
    // Paragraph breaks aside: "\\pard" cut short is "\\par".
    const QString full = Read(kHelp).remove(u'\n');
    for (std::size_t n = 0; n <= kHelp.size(); ++n) {
        QString text = Read(std::string_view(kHelp).substr(0, n)).remove(u'\n');
        ASSERT_TRUE(full.startsWith(text)) << "cut at " << n << ": " << text.toStdString();
    }
}

TEST(Rtf, RandomBytesNeverCrash) {
    std::mt19937 random(410);
    // Mostly syntax characters, so that the bytes exercise the parser, not just text.
    const std::string alphabet = std::string("\\\\\\{{}}'*u0123456789-abfsparcl ;?\r\n\xb1\xff") + '\0';
    for (int round = 0; round < 300; ++round) {
        std::string bytes(std::size_t(random() % 400), ' ');
        for (char& b : bytes)
            b = random() % 4 ? alphabet[random() % alphabet.size()] : char(random() % 256);
        QTextDocument document;
        ReadRtf(bytes, document);
        EXPECT_GE(document.blockCount(), 1);
    }
}

TEST(Rtf, EscapeTable) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"plain ASCII text; 100% ?!\t\n", "plain ASCII text; 100% ?!\t\n"},
        {"a\\b{c}", "a\\\\b\\{c\\}"},
        {"\u00B1", "\\u177?"},
        {"\u20AC", "\\u8364?"},
        {"\U0001F600", "\\u-10179?\\u-8704?"},
    };
    for (const auto& [text, escaped] : cases) EXPECT_EQ(RtfEscape(text), escaped) << text;
}

TEST(Rtf, EscapedTextReadsBackUnchanged) {
    const char* texts[] = {
        " two  leading spaces",
        "\u00B1?5 and 7\u00B0C",  // a real "?" and a digit right after the fallback
        "{\\par} is not a paragraph \\'b1",
        "Gr\u00F6\u00DFe \u2014 \u20AC 5 \u201Cquoted\u201D",
        "\U0001F600\U0001F600x",
        "\u0416\u4E2D\uFFFD",
    };
    for (const char* text : texts) {
        QString back = Read("{\\rtf1 " + RtfEscape(text) + "}");
        EXPECT_EQ(back.toStdString(), text);
    }
}

}  // namespace
