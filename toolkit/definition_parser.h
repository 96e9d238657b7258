#pragma once

// Parser for the window-definition text format: nested `object Name: Class`
// blocks holding `Name = value` properties. Produces a plain tree with line
// numbers; turning the tree into widgets happens elsewhere.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace definition {

struct Value {
    enum class Kind { Integer, String, Identifier, Set, StringList, Resource };
    Kind kind = Kind::Integer;
    long long integer = 0;           // Integer
    std::string text;                // String (decoded UTF-8), Identifier, Resource name
    std::vector<std::string> items;  // Set identifiers, StringList strings
    int line = 0;

    bool operator==(const Value&) const = default;
};

struct Property {
    std::string name;  // dotted names such as "Font.Name" are kept whole
    Value value;
    int line = 0;

    bool operator==(const Property&) const = default;
};

struct Node {
    std::string name, className;
    int line = 0;
    std::vector<Property> properties;  // in file order
    std::vector<Node> children;        // in file order

    bool operator==(const Node&) const = default;
};

// what() is "line N: <message>".
class Error : public std::runtime_error {
public:
    Error(int line, const std::string& message);
    int line() const { return line_; }
    const std::string& message() const { return message_; }

private:
    int line_;
    std::string message_;
};

// Parses a whole definition (exactly one root object). Throws Error.
Node Parse(std::string_view text);

}  // namespace definition
