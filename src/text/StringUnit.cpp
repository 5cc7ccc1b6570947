#include "text/StringUnit.h"

namespace zr2 {
namespace {

void DropLeadingBlanks(std::u16string& text, size_t from) {
  while (from < text.size() && IsBlank(text[from])) ++from;
  text.erase(0, from);
}

bool EndsWordAt(const std::u16string& text, size_t i) {
  return i + 1 == text.size() || IsBlank(text[i + 1]);
}

}  // namespace

std::u16string NextToken(std::u16string& text) {
  if (text.empty()) return {};
  const char16_t first = text[0];
  if (first == u'"') {
    for (size_t p = 0; p < text.size(); ++p) {
      if (text[p] == u'"' && EndsWordAt(text, p)) {
        std::u16string token = p >= 2 ? text.substr(1, p - 1) : std::u16string();
        DropLeadingBlanks(text, p + 1);
        return token;
      }
    }
  } else if (first == u'(' || first == u'（') {
    int depth = 0;
    for (size_t p = 0; p < text.size(); ++p) {
      const char16_t c = text[p];
      if (c == u'(' || c == u'（') {
        ++depth;
      } else if (c == u')' || c == u'）') {
        --depth;
        if (depth <= 0 && EndsWordAt(text, p)) {
          std::u16string token = text.substr(1, p - 1);
          DropLeadingBlanks(text, p + 1);
          return token;
        }
      }
    }
  } else {
    size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    std::u16string token = text.substr(0, end);
    DropLeadingBlanks(text, end);
    return token;
  }
  // An unclosed quote or parenthesis: the whole text is the word.
  std::u16string token;
  token.swap(text);
  return token;
}

std::u16string Cut(std::u16string& text, std::u16string_view separator) {
  const size_t p = separator.empty() ? std::u16string::npos : text.find(separator);
  if (p == std::u16string::npos) {
    std::u16string all;
    all.swap(text);
    return all;
  }
  std::u16string before = text.substr(0, p);
  text.erase(0, p + separator.size());
  return before;
}

std::u16string TrimBlanks(std::u16string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return std::u16string(text.substr(begin, end - begin));
}

bool DropPrefix(std::u16string& text, std::u16string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.erase(0, prefix.size());
  return true;
}

bool DropSuffix(std::u16string& text, std::u16string_view suffix) {
  if (!text.ends_with(suffix)) return false;
  text.resize(text.size() - suffix.size());
  return true;
}

std::u16string TrimControls(std::u16string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && text[begin] <= u' ') ++begin;
  while (end > begin && text[end - 1] <= u' ') --end;
  return std::u16string(text.substr(begin, end - begin));
}

}  // namespace zr2
