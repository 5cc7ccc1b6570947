// Searching and comparing texts. Positions are 0-based; npos means "not found".
#pragma once
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace zr2 {

constexpr size_t kNotFound = std::u16string_view::npos;

// First occurrence of pattern at or after start; ignoring case means after UpperCaseLetters.
size_t FindText(std::u16string_view pattern, std::u16string_view text, size_t start, bool ignoreCase);
bool Contains(std::u16string_view pattern, std::u16string_view text);
bool ContainsText(std::u16string_view pattern, std::u16string_view text);
bool StartsWithText(std::u16string_view prefix, std::u16string_view text);
bool EndsWithText(std::u16string_view suffix, std::u16string_view text);
bool EndsWith(std::u16string_view suffix, std::u16string_view text);

// Locale-aware: exact prefix / case-insensitive prefix and suffix / whole-text list lookup.
bool StartsStr(std::u16string_view prefix, std::u16string_view text);
bool StartsText(std::u16string_view prefix, std::u16string_view text);
bool EndsText(std::u16string_view suffix, std::u16string_view text);
bool SameText(std::u16string_view a, std::u16string_view b);
int IndexOfText(std::u16string_view text, std::span<const std::u16string_view> list);
int IndexOfText(std::u16string_view text, std::initializer_list<std::u16string_view> list);
int IndexOfStr(std::u16string_view text, std::span<const std::u16string_view> list);
int IndexOfStr(std::u16string_view text, std::initializer_list<std::u16string_view> list);

// Case-insensitive for ASCII letters only.
bool SameAsciiText(std::u16string_view a, std::u16string_view b);

int CountOccurrences(std::u16string_view pattern, std::u16string_view text, bool skip);

}  // namespace zr2
