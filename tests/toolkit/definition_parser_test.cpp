#include "toolkit/definition_parser.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

namespace {

using definition::Error;
using definition::Node;
using definition::Parse;
using definition::Value;
using Kind = Value::Kind;

// Parses `source` as the only property of a one-object definition.
Value ParseValue(const std::string& source) {
    const Node root = Parse("object A: TA\n  P = " + source + "\nend\n");
    EXPECT_EQ(root.properties.size(), 1u);
    return root.properties.at(0).value;
}

Value Make(Kind kind, long long integer, std::string text, std::vector<std::string> items) {
    Value v;
    v.kind = kind;
    v.integer = integer;
    v.text = std::move(text);
    v.items = std::move(items);
    v.line = 2;
    return v;
}
Value Int(long long n) { return Make(Kind::Integer, n, "", {}); }
Value Str(std::string s) { return Make(Kind::String, 0, std::move(s), {}); }
Value Ident(std::string s) { return Make(Kind::Identifier, 0, std::move(s), {}); }
Value Res(std::string s) { return Make(Kind::Resource, 0, std::move(s), {}); }
Value SetOf(std::vector<std::string> items) { return Make(Kind::Set, 0, "", std::move(items)); }
Value ListOf(std::vector<std::string> items) { return Make(Kind::StringList, 0, "", std::move(items)); }

TEST(DefinitionParser, ParsesEachKindOfValue) {
    const std::vector<std::pair<std::string, Value>> cases = {
        {"302", Int(302)},
        {"-56", Int(-56)},
        {"+7", Int(7)},
        {"007", Int(7)},
        {"0x00FF0000", Int(0xFF0000)},
        {"0Xff", Int(255)},
        {"-0x10", Int(-16)},
        {"9223372036854775807", Int(LLONG_MAX)},
        {"-9223372036854775808", Int(LLONG_MIN)},
        {"0x7FFFFFFFFFFFFFFF", Int(LLONG_MAX)},
        {"5 # trailing comment", Int(5)},
        {R"("Setup")", Str("Setup")},
        {R"("")", Str("")},
        {R"("a\"b\\c\nd\te")", Str("a\"b\\c\nd\te")},
        {R"("\u0041")", Str("A")},
        {R"("\u00B1")", Str("\xC2\xB1")},
        {R"("\u20AC")", Str("\xE2\x82\xAC")},
        {R"("\u07FF\u0800\uFFFF")", Str("\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF")},
        {R"("\U0010FFFF")", Str("\xF4\x8F\xBF\xBF")},
        {R"("\U0001F600")", Str("\xF0\x9F\x98\x80")},
        {"\"raw \xC2\xB1 \xE2\x82\xAC\"", Str("raw \xC2\xB1 \xE2\x82\xAC")},
        {R"("# not a comment")", Str("# not a comment")},
        {"wsMaximized", Ident("wsMaximized")},
        {"_x1", Ident("_x1")},
        {"AnalogRangeHighlight0", Ident("AnalogRangeHighlight0")},
        {"Other.Menu", Ident("Other.Menu")},
        {"resource", Ident("resource")},
        {"[akLeft, akTop]", SetOf({"akLeft", "akTop"})},
        {"[ akLeft ]", SetOf({"akLeft"})},
        {"[a,b,c]", SetOf({"a", "b", "c"})},
        {"[]", SetOf({})},
        {R"(("Pull Up" "Unbiased" "\u00B1" ))", ListOf({"Pull Up", "Unbiased", "\xC2\xB1"})},
        {R"(("x"))", ListOf({"x"})},
        {"( )", ListOf({})},
        {R"(resource("board_photo.jpg"))", Res("board_photo.jpg")},
        {R"(resource ( "a b" ))", Res("a b")},
    };
    for (const auto& [source, expected] : cases) {
        SCOPED_TRACE(source);
        Value v;
        ASSERT_NO_THROW(v = ParseValue(source));
        EXPECT_EQ(v.kind, expected.kind);
        EXPECT_EQ(v.integer, expected.integer);
        EXPECT_EQ(v.text, expected.text);
        EXPECT_EQ(v.items, expected.items);
        EXPECT_EQ(v.line, expected.line);
    }
}

const char* const kSample =
    "# comment to end of line\n"                                  // 1
    "object MainForm: TMainForm\n"                                // 2
    "  Caption = \"Setup\"\n"                                     // 3
    "  Font.Name = \"Tahoma\"  # the UI face\n"                   // 4
    "\n"                                                          // 5
    "  Items = (\"Pull Up\"\n"                                    // 6
    "           # one per line\n"                                 // 7
    "           \"Unbiased\" )\n"                                 // 8
    "  object PullPanel: TPanel\n"                                // 9
    "    Left = 150\n"                                            // 10
    "    object BoardImage1: TBoardImage\n"                       // 11
    "      Picture = resource(\"board_photo.jpg\")\n"             // 12
    "    end\n"                                                   // 13
    "    Top = -3\n"                                              // 14
    "  end\n"                                                     // 15
    "  object Second: TLabel\n"                                   // 16
    "  end\n"                                                     // 17
    "  OnCreate = FormCreate\n"                                   // 18
    "end\n"                                                       // 19
    "# trailing comment\n";                                       // 20

TEST(DefinitionParser, BuildsNestedTreeWithLineNumbers) {
    const Node root = Parse(kSample);
    EXPECT_EQ(root.name, "MainForm");
    EXPECT_EQ(root.className, "TMainForm");
    EXPECT_EQ(root.line, 2);

    ASSERT_EQ(root.properties.size(), 4u);
    const std::vector<std::pair<std::string, int>> rootProps = {
        {"Caption", 3}, {"Font.Name", 4}, {"Items", 6}, {"OnCreate", 18}};
    for (size_t i = 0; i < rootProps.size(); ++i) {
        EXPECT_EQ(root.properties[i].name, rootProps[i].first);
        EXPECT_EQ(root.properties[i].line, rootProps[i].second);
        EXPECT_EQ(root.properties[i].value.line, rootProps[i].second);
    }
    EXPECT_EQ(root.properties[2].value.items, (std::vector<std::string>{"Pull Up", "Unbiased"}));

    ASSERT_EQ(root.children.size(), 2u);
    const Node& panel = root.children[0];
    EXPECT_EQ(panel.name, "PullPanel");
    EXPECT_EQ(panel.className, "TPanel");
    EXPECT_EQ(panel.line, 9);
    ASSERT_EQ(panel.properties.size(), 2u);
    EXPECT_EQ(panel.properties[0].name, "Left");
    EXPECT_EQ(panel.properties[0].value.integer, 150);
    EXPECT_EQ(panel.properties[1].name, "Top");
    EXPECT_EQ(panel.properties[1].line, 14);
    EXPECT_EQ(panel.properties[1].value.integer, -3);

    ASSERT_EQ(panel.children.size(), 1u);
    const Node& image = panel.children[0];
    EXPECT_EQ(image.name, "BoardImage1");
    EXPECT_EQ(image.line, 11);
    ASSERT_EQ(image.properties.size(), 1u);
    EXPECT_EQ(image.properties[0].value.kind, Kind::Resource);
    EXPECT_EQ(image.properties[0].line, 12);
    EXPECT_TRUE(image.children.empty());

    EXPECT_EQ(root.children[1].name, "Second");
    EXPECT_EQ(root.children[1].line, 16);
    EXPECT_TRUE(root.children[1].properties.empty());
}

TEST(DefinitionParser, AcceptsCrlfAndByteOrderMark) {
    std::string crlf = "\xEF\xBB\xBF";
    for (const char* p = kSample; *p; ++p) {
        if (*p == '\n') crlf += '\r';
        crlf += *p;
    }
    EXPECT_EQ(Parse(crlf), Parse(kSample));
}

TEST(DefinitionParser, ErrorCarriesLineAndMessage) {
    try {
        Parse("object A: TA\n  Left 5\nend\n");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.line(), 2);
        EXPECT_EQ(e.message(), "expected '=' after property name \"Left\"");
        EXPECT_STREQ(e.what(), "line 2: expected '=' after property name \"Left\"");
    }
}

struct ErrorCase {
    std::string input;
    int line;
    std::string message;  // substring of the message
};

// Wraps body lines (starting on line 2) in a root object.
std::string InRoot(const std::string& body) { return "object A: TA\n" + body + "\nend\n"; }

TEST(DefinitionParser, RejectsMalformedInputWithLineAndReason) {
    const std::vector<ErrorCase> cases = {
        {"", 1, "definition is empty"},
        {"\n# only a comment\n\n", 3, "definition is empty"},
        {"Left = 1\n", 1, "expected 'object' at start of definition"},
        {"\n\nend\n", 3, "expected 'object' at start of definition"},
        {InRoot("  Left 5"), 2, "expected '=' after property name \"Left\""},
        {InRoot("  Left"), 2, "expected '=' after property name \"Left\""},
        {InRoot("  Left ="), 2, "missing value for property \"Left\""},
        {InRoot("  Left = )"), 2, "expected a value for property \"Left\", found ')'"},
        {InRoot("  Caption = \"abc"), 2, "unterminated string"},
        {InRoot("  Caption = \"abc\\"), 2, "unterminated string"},
        {"object A: TA\r\n  Caption = \"abc\r\nend\r\n", 2, "unterminated string"},
        {InRoot("  C = \"a\\qb\""), 2, "unknown escape \\q in string"},
        {InRoot("  C = \"\\u00G1\""), 2, "escape \\u needs 4 hex digits"},
        {InRoot("  C = \"\\U0001F6\""), 2, "escape \\U needs 8 hex digits"},
        {InRoot("  C = \"\\uD800\""), 2, "\\uD800 is not a valid code point"},
        {InRoot("  C = \"\\U00110000\""), 2, "is not a valid code point"},
        {"object Form: TForm\n  object PullPanel: TPanel\n    Left = 1\n", 3,
         "missing 'end' for object \"PullPanel\" opened on line 2"},
        {"object Form: TForm\n  Left = 1\n\n# c\n", 4, "missing 'end' for object \"Form\" opened on line 1"},
        {InRoot("  Left = 1 2"), 2, "unexpected text after value: 2"},
        {InRoot("  C = \"a\" \"b\""), 2, "unexpected text after value: \"b\""},
        {InRoot("  C = [a] x"), 2, "unexpected text after value: x"},
        {InRoot("  C = resource(\"a\") b"), 2, "unexpected text after value: b"},
        {InRoot("  Left = 1 Top = 2"), 2, "unexpected text after value: Top = 2"},
        {InRoot("  C = 1 \"unterminated"), 2, "unexpected text after value"},
        {"object A: TA extra\nend\n", 1, "unexpected text after object header: extra"},
        {"object A: TA\nend end\n", 2, "unexpected text after 'end': end"},
        {"object A: TA\nend\nobject B: TB\nend\n", 3, "text after the root object's 'end'"},
        {"object A: TA\nend\nend\n", 3, "text after the root object's 'end'"},
        {InRoot("  Left = 1\n  Top = 2\n  Left = 3"), 4, "duplicate property \"Left\" (first set on line 2)"},
        {"object A\nend\n", 1, "expected ':' after object name \"A\""},
        {"object : TA\nend\n", 1, "expected object name after 'object', found ':'"},
        {"object\n", 1, "expected object name after 'object', found end of line"},
        {"object A: T.B\nend\n", 1, "expected class name after ':'"},
        {"object A:\nend\n", 1, "expected class name after ':', found end of line"},
        {InRoot("  5 = 1"), 2, "expected property name, 'object' or 'end', found number 5"},
        {InRoot("  Font. = 1"), 2, "expected identifier after '.' in \"Font.\""},
        {InRoot("  Left = 9223372036854775808"), 2, "integer out of range: 9223372036854775808"},
        {InRoot("  Left = -9223372036854775809"), 2, "integer out of range"},
        {InRoot("  Left = 0x8000000000000000"), 2, "integer out of range"},
        {InRoot("  Left = 12abc"), 2, "invalid number \"12abc\""},
        {InRoot("  Left = 0x"), 2, "invalid number \"0x\""},
        {InRoot("  Left = 1.5"), 2, "invalid number \"1.5\""},
        {InRoot("  Left = -"), 2, "expected digits after '-'"},
        {InRoot("  Left = - 5"), 2, "expected digits after '-'"},
        {InRoot("  Color = $FF"), 2, "unexpected character '$'"},
        {InRoot("  Left = 1 ; x"), 2, "unexpected text after value: ; x"},
        {InRoot("  A = [a b]"), 2, "expected ',' or ']' in set, found \"b\""},
        {InRoot("  A = [a,]"), 2, "expected identifier in set, found ']'"},
        {InRoot("  A = [\"a\"]"), 2, "expected identifier in set, found a string"},
        {InRoot("  A = [a"), 2, "expected ',' or ']' in set, found end of line"},
        {InRoot("  A = [a.b]"), 2, "expected identifier in set"},
        {InRoot("  L = (\"a\" b)"), 2, "expected string or ')' in list opened on line 2, found \"b\""},
        {InRoot("  L = (\"a\"\n  Top = 1"), 3, "in list opened on line 2, found \"Top\""},
        {"object A: TA\n  L = (\"a\"\n    \"b\"\n", 3, "unterminated list opened on line 2"},
        {InRoot("  P = resource(\"\")"), 2, "empty resource name"},
        {InRoot("  P = resource(x)"), 2, "expected a quoted name in resource(...)"},
        {InRoot("  P = resource(\"x\""), 2, "expected ')' after resource name"},
        {InRoot("  @Left = 1"), 2, "unexpected character '@'"},
        {InRoot("  Caption\xC2\xA0= 1"), 2, "unexpected character byte 0xC2"},
        {"\xEF\xBB\xBF\xEF\xBB\xBFobject A: TA\nend\n", 1, "unexpected character byte 0xEF"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.input);
        try {
            Parse(c.input);
            ADD_FAILURE() << "expected an error";
        } catch (const Error& e) {
            EXPECT_EQ(e.line(), c.line) << e.what();
            EXPECT_NE(e.message().find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(DefinitionParser, LongUnexpectedTextIsShortenedWithoutSplittingCharacters) {
    // 39 ASCII bytes then a 2-byte character straddling the 40-byte cut.
    const std::string tail = std::string(39, 'x') + "\xC2\xB1" + "yyyy";
    try {
        Parse(InRoot("  Left = 1 " + tail));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), "unexpected text after value: " + std::string(39, 'x') + "...");
    }
}

TEST(DefinitionParser, RejectsExcessiveNestingInsteadOfOverflowingTheStack) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "object a: b\n";
    try {
        Parse(deep);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(e.message().find("nested"), std::string::npos) << e.what();
    }

    std::string ok;
    for (int i = 0; i < 50; ++i) ok += "object a: b\n";
    for (int i = 0; i < 50; ++i) ok += "end\n";
    EXPECT_NO_THROW(Parse(ok));
}

// Bad input must surface as definition::Error, never as a crash, hang or
// another exception type.
void ExpectParsesOrThrowsError(const std::string& input) {
    try {
        Parse(input);
    } catch (const Error&) {
    } catch (const std::exception& e) {
        ADD_FAILURE() << "unexpected exception " << e.what() << " for input: " << input;
    }
}

TEST(DefinitionParser, TruncatedInputAlwaysThrowsError) {
    const std::string sample = kSample;
    const size_t complete = sample.find("end\n# trailing") + 3;
    for (size_t n = 0; n < complete; ++n) {
        SCOPED_TRACE(sample.substr(0, n));
        EXPECT_THROW(Parse(sample.substr(0, n)), Error);
    }
    EXPECT_NO_THROW(Parse(sample.substr(0, complete)));
}

TEST(DefinitionParser, GarbageInputThrowsError) {
    const std::vector<std::string> garbage = {
        std::string("\0", 1),
        std::string("object A: TA\n  C = \"a\0b\"\nend\0\n", 29),
        "\xFF\xFE",
        "\xEF\xBB",
        "\"",
        "\\",
        "((((((",
        "]]]",
        "object A: TA\n  X = \"\\",
        "object A: TA\n  X = \"\\u12",
        "object A: TA\n  X = \"\\U0010FFF",
        "object A: TA\n  X = resource(",
        "object A: TA\n  X = [",
        "object A: TA\n  X = -",
        "object A: TA\n  X = 0x",
        "object A: TA\n  X.",
        "object A: TA\r",
        "object A: TA\rend\r",
    };
    for (const std::string& input : garbage) {
        SCOPED_TRACE(input);
        EXPECT_THROW(Parse(input), Error);
    }

    // Random mixes of the format's own characters reach deep into the grammar.
    const std::string alphabet = "object end A: = [],()\"\\u0x-+#\n\r\t.9_resource\xC2\xB1";
    std::mt19937 rng(12345);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    for (int i = 0; i < 3000; ++i) {
        std::string input = i % 2 ? "object A: TA\n  P = " : "";
        const int length = 1 + i % 60;
        for (int k = 0; k < length; ++k) input += alphabet[pick(rng)];
        ExpectParsesOrThrowsError(input);
    }
}

}  // namespace
