// Replacing and width normalisation: full-width letters, digits and signs become ASCII.
#pragma once
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace zr2 {

// Walks the text once; at each position the first matching non-empty "from" entry is replaced by
// its "to" entry and the walk continues after it. Replaced text is never examined again.
std::u16string MultiReplace(std::u16string_view text, std::span<const std::u16string_view> from,
                            std::span<const std::u16string_view> to, bool replaceAll, bool ignoreCase);

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view old, std::u16string_view replacement);
// Locale case-insensitive.
std::u16string ReplaceAllText(std::u16string_view text, std::u16string_view old, std::u16string_view replacement);
// Repeated search ignoring case (UpperCaseLetters), continuing after each inserted text.
void ReplaceEvery(std::u16string& text, std::u16string_view old, std::u16string_view replacement);

// ASCII letters only.
constexpr char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }
constexpr char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }
std::u16string AsciiLowerCase(std::u16string_view text);
std::u16string AsciiUpperCase(std::u16string_view text);

// a-z and full-width ａ-ｚ to upper case; nothing else changes.
std::u16string UpperCaseLetters(std::u16string_view text);
std::u16string FullWidthLettersToAscii(std::u16string_view text);
std::u16string FullWidthDigitsToAscii(std::u16string_view text);
std::u16string FullWidthSignsToAscii(std::u16string_view text);
// The three conversions above, then the halfwidth middle dot to "/".
std::u16string NormaliseRollText(std::u16string_view text);

std::u16string DeleteCopy(std::u16string_view text, size_t index, size_t count);

}  // namespace zr2
