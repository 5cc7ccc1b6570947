#include "text/StringConvertUnit.h"

#include <array>

#include "platform/Platform.h"

namespace zr2 {
namespace {

// One-character tables are plain character maps; MultiReplace with them gives the same result.
std::u16string MapCharacters(std::u16string_view text, std::u16string_view from, std::u16string_view to) {
  std::u16string out(text);
  for (char16_t& c : out) {
    const size_t k = from.find(c);
    if (k != std::u16string_view::npos) c = to[k];
  }
  return out;
}

constexpr std::u16string_view kFullWidthLetters =
    u"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ";
constexpr std::u16string_view kAsciiLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr std::u16string_view kFullWidthDigits = u"０１２３４５６７８９－＋／．";
constexpr std::u16string_view kAsciiDigits = u"0123456789-+/.";
constexpr std::u16string_view kFullWidthSigns =
    u"！？＄￥％＆＃’”＿（）［］＜＞｛｝－＋／＊＝．，；：＠｜\u3000";
constexpr std::u16string_view kAsciiSigns = u"!?$\\%&#'\"_()[]<>{}-+/*=.,;:@| ";
static_assert(kFullWidthLetters.size() == kAsciiLetters.size());
static_assert(kFullWidthDigits.size() == kAsciiDigits.size());
static_assert(kFullWidthSigns.size() == 30 && kAsciiSigns.size() == 30);

bool MatchesAt(std::u16string_view text, size_t at, std::u16string_view pattern, bool ignoreCase) {
  if (pattern.size() > text.size() - at) return false;
  const std::u16string_view part = text.substr(at, pattern.size());
  return ignoreCase ? UpperCaseLetters(part) == UpperCaseLetters(pattern) : part == pattern;
}

}  // namespace

std::u16string MultiReplace(std::u16string_view text, std::span<const std::u16string_view> from,
                            std::span<const std::u16string_view> to, bool replaceAll, bool ignoreCase) {
  if (from.size() != to.size() || text.empty()) return std::u16string(text);
  std::u16string out;
  out.reserve(text.size());
  bool replacing = true;
  size_t i = 0;
  while (i < text.size()) {
    bool replaced = false;
    if (replacing) {
      for (size_t k = 0; k < from.size(); ++k) {
        if (!from[k].empty() && MatchesAt(text, i, from[k], ignoreCase)) {
          out += to[k];
          i += from[k].size();
          replaced = true;
          replacing = replaceAll;
          break;
        }
      }
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view old, std::u16string_view replacement) {
  const std::array<std::u16string_view, 1> from{old}, to{replacement};
  return MultiReplace(text, from, to, true, false);
}

std::u16string ReplaceAllText(std::u16string_view text, std::u16string_view old, std::u16string_view replacement) {
  if (old.empty()) return std::u16string(text);
  std::u16string out;
  size_t i = 0;
  while (i < text.size()) {
    if (old.size() <= text.size() - i && platform::LocaleEqualsNoCase(text.substr(i, old.size()), old)) {
      out += replacement;
      i += old.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

void ReplaceEvery(std::u16string& text, std::u16string_view old, std::u16string_view replacement) {
  if (old.empty()) return;
  const std::u16string upperOld = UpperCaseLetters(old);
  size_t at = 0;
  while (at < text.size()) {
    const size_t p = UpperCaseLetters(text).find(upperOld, at);
    if (p == std::u16string::npos) break;
    text.replace(p, old.size(), replacement);
    at = p + replacement.size();
  }
}

std::u16string AsciiLowerCase(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) c = AsciiLower(c);
  return out;
}

std::u16string AsciiUpperCase(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) c = AsciiUpper(c);
  return out;
}

std::u16string UpperCaseLetters(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) {
    if ((c >= u'a' && c <= u'z') || (c >= u'ａ' && c <= u'ｚ')) c -= 32;
  }
  return out;
}

std::u16string FullWidthLettersToAscii(std::u16string_view text) {
  return MapCharacters(text, kFullWidthLetters, kAsciiLetters);
}

std::u16string FullWidthDigitsToAscii(std::u16string_view text) {
  return MapCharacters(text, kFullWidthDigits, kAsciiDigits);
}

std::u16string FullWidthSignsToAscii(std::u16string_view text) {
  return MapCharacters(text, kFullWidthSigns, kAsciiSigns);
}

std::u16string NormaliseRollText(std::u16string_view text) {
  std::u16string out = FullWidthSignsToAscii(FullWidthDigitsToAscii(FullWidthLettersToAscii(text)));
  for (char16_t& c : out)
    if (c == u'･') c = u'/';
  return out;
}

std::u16string DeleteCopy(std::u16string_view text, size_t index, size_t count) {
  std::u16string out(text);
  if (index < out.size()) out.erase(index, count);
  return out;
}

}  // namespace zr2
