// Tokens and cutting: the word-at-a-time reading that every command relies on.
#pragma once
#include <string>
#include <string_view>

namespace zr2 {

// A blank is any character up to U+0020 (controls included) or the ideographic space U+3000.
constexpr bool IsBlank(char16_t c) { return c <= u' ' || c == u'\u3000'; }
constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Takes the next word off the front of text; quotes and (nested) parentheses group a word.
// The text loses the word, its delimiters and the blanks after it.
std::u16string NextToken(std::u16string& text);

// Part before the first separator; text keeps what follows it. Without one: all of it, text empties.
std::u16string Cut(std::u16string& text, std::u16string_view separator);

std::u16string TrimBlanks(std::u16string_view text);

// Remove the prefix or suffix once when the text has it (exact comparison); true when it did.
bool DropPrefix(std::u16string& text, std::u16string_view prefix);
bool DropSuffix(std::u16string& text, std::u16string_view suffix);

// Removes characters up to U+0020 from both ends (the full-width space stays).
std::u16string TrimControls(std::u16string_view text);

}  // namespace zr2
