#include "text/StringSearchUnit.h"

#include <algorithm>

#include "platform/Platform.h"
#include "text/StringConvertUnit.h"

namespace zr2 {

size_t FindText(std::u16string_view pattern, std::u16string_view text, size_t start, bool ignoreCase) {
  if (pattern.empty() || text.empty() || start >= text.size()) return kNotFound;
  if (!ignoreCase) return text.find(pattern, start);
  const std::u16string upperPattern = UpperCaseLetters(pattern);
  const std::u16string upperText = UpperCaseLetters(text);
  return upperText.find(upperPattern, start);
}

bool Contains(std::u16string_view pattern, std::u16string_view text) {
  return FindText(pattern, text, 0, false) != kNotFound;
}

bool ContainsText(std::u16string_view pattern, std::u16string_view text) {
  return FindText(pattern, text, 0, true) != kNotFound;
}

bool StartsWithText(std::u16string_view prefix, std::u16string_view text) {
  return text.size() >= prefix.size() && UpperCaseLetters(text.substr(0, prefix.size())) == UpperCaseLetters(prefix);
}

bool EndsWithText(std::u16string_view suffix, std::u16string_view text) {
  return text.size() >= suffix.size() &&
         UpperCaseLetters(text.substr(text.size() - suffix.size())) == UpperCaseLetters(suffix);
}

bool EndsWith(std::u16string_view suffix, std::u16string_view text) { return text.ends_with(suffix); }

bool StartsStr(std::u16string_view prefix, std::u16string_view text) { return text.starts_with(prefix); }

bool StartsText(std::u16string_view prefix, std::u16string_view text) {
  return text.size() >= prefix.size() && platform::LocaleEqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsText(std::u16string_view suffix, std::u16string_view text) {
  return text.size() >= suffix.size() &&
         platform::LocaleEqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

bool SameText(std::u16string_view a, std::u16string_view b) { return platform::LocaleEqualsNoCase(a, b); }

int IndexOfText(std::u16string_view text, std::span<const std::u16string_view> list) {
  for (size_t i = 0; i < list.size(); ++i)
    if (platform::LocaleEqualsNoCase(text, list[i])) return static_cast<int>(i);
  return -1;
}

int IndexOfText(std::u16string_view text, std::initializer_list<std::u16string_view> list) {
  return IndexOfText(text, std::span<const std::u16string_view>(list.begin(), list.size()));
}

int IndexOfStr(std::u16string_view text, std::span<const std::u16string_view> list) {
  for (size_t i = 0; i < list.size(); ++i)
    if (text == list[i]) return static_cast<int>(i);
  return -1;
}

int IndexOfStr(std::u16string_view text, std::initializer_list<std::u16string_view> list) {
  return IndexOfStr(text, std::span<const std::u16string_view>(list.begin(), list.size()));
}

bool SameAsciiText(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

int CountOccurrences(std::u16string_view pattern, std::u16string_view text, bool skip) {
  if (pattern.empty()) return 0;
  int count = 0;
  for (size_t p = text.find(pattern); p != kNotFound; p = text.find(pattern, p + (skip ? pattern.size() : 1)))
    ++count;
  return count;
}

}  // namespace zr2
