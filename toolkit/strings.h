#pragma once
// An ordered list of strings (a description text, radio items, menu texts).

#include <vector>

#include "toolkit/types.h"

class TStrings {
public:
    TStrings() = default;
    TStrings(std::initializer_list<String> lines) : FLines(lines) {}

    int Count() const { return int(FLines.size()); }
    const String& operator[](int index) const { return FLines.at(std::size_t(index)); }
    void Add(const String& line) { FLines.push_back(line); }
    void Clear() { FLines.clear(); }
    // Copies the strings; the list object itself stays the same.
    void Assign(const TStrings& other) { if (&other != this) FLines = other.FLines; }
    // Lines joined with "\n".
    String Text() const;

    auto begin() const { return FLines.begin(); }
    auto end() const { return FLines.end(); }
    friend bool operator==(const TStrings&, const TStrings&) = default;

private:
    std::vector<String> FLines;
};
