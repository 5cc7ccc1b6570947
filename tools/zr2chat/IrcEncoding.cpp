#include "IrcEncoding.h"

#include <unicode/ucnv.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <memory>

namespace zr2chat::irc {
namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

bool IsHalfWidthKana(char16_t c) { return c >= 0xFF61 && c <= 0xFF9F; }

// ISO-2022-JP has no half-width katakana: widen them, joining voiced marks (ﾀﾞ becomes ダ, not タ゛).
std::u16string WidenKatakana(const std::u16string& text) {
  UErrorCode error = U_ZERO_ERROR;
  const UNormalizer2* nfkc = unorm2_getNFKCInstance(&error);
  if (U_FAILURE(error) || std::none_of(text.begin(), text.end(), IsHalfWidthKana)) return text;
  std::u16string out;
  for (size_t at = 0; at < text.size();) {
    size_t end = at;
    while (end < text.size() && IsHalfWidthKana(text[end]) == IsHalfWidthKana(text[at])) ++end;
    if (!IsHalfWidthKana(text[at])) {
      out.append(text, at, end - at);
    } else {
      std::u16string wide(2 * (end - at), u'\0');  // each half-width character widens to one or two
      error = U_ZERO_ERROR;
      const int32_t length = unorm2_normalize(nfkc, text.data() + at, static_cast<int32_t>(end - at), wide.data(),
                                              static_cast<int32_t>(wide.size()), &error);
      if (U_FAILURE(error)) return text;
      out.append(wide, 0, static_cast<size_t>(length));
    }
    at = end;
  }
  return out;
}

Converter OpenConverter(const std::string& name) {
  UErrorCode error = U_ZERO_ERROR;
  Converter converter(ucnv_open(name.c_str(), &error));
  if (U_FAILURE(error)) converter.reset();
  // A character the network cannot carry goes out as a close one where ICU knows it, not as a substitute.
  if (converter) ucnv_setFallback(converter.get(), true);
  return converter;
}

std::u16string FromUtf8(std::string_view text) {
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8WithSub(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &error);
  std::u16string out(static_cast<size_t>(length), u'\0');
  error = U_ZERO_ERROR;
  u_strFromUTF8WithSub(out.data(), length, &length, text.data(), static_cast<int32_t>(text.size()), 0xFFFD, nullptr,
                       &error);
  return U_FAILURE(error) ? std::u16string() : out;
}

std::string ToUtf8(std::u16string_view text) {
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strToUTF8WithSub(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &error);
  std::string out(static_cast<size_t>(length), '\0');
  error = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data(), length, &length, text.data(), static_cast<int32_t>(text.size()), 0xFFFD, nullptr,
                     &error);
  return U_FAILURE(error) ? std::string() : out;
}

// Byte length of the UTF-8 character starting with `lead`; a stray byte counts as one character.
size_t CharacterLength(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (at + length > text.size()) return 1;
  for (size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
  return length;
}

}  // namespace

std::optional<WireEncoding> WireEncoding::Open(const std::string& name) {
  UErrorCode error = U_ZERO_ERROR;
  const Converter converter = OpenConverter(name);
  if (!converter) return std::nullopt;
  WireEncoding encoding(name);
  encoding.widenKatakana_ = std::string_view(ucnv_getName(converter.get(), &error)).starts_with("ISO_2022,locale=ja");
  return encoding;
}

std::string WireEncoding::Decode(std::string_view wire) const {
  const Converter converter = OpenConverter(name_);
  if (!converter || wire.empty()) return {};
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length =
      ucnv_toUChars(converter.get(), nullptr, 0, wire.data(), static_cast<int32_t>(wire.size()), &error);
  std::u16string text(static_cast<size_t>(length), u'\0');
  error = U_ZERO_ERROR;
  ucnv_resetToUnicode(converter.get());
  ucnv_toUChars(converter.get(), text.data(), length, wire.data(), static_cast<int32_t>(wire.size()), &error);
  return U_FAILURE(error) ? std::string() : ToUtf8(text);
}

std::string WireEncoding::Encode(std::string_view utf8) const {
  const Converter converter = OpenConverter(name_);
  std::u16string text = FromUtf8(utf8);
  if (widenKatakana_) text = WidenKatakana(text);
  if (!converter || text.empty()) return {};
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length =
      ucnv_fromUChars(converter.get(), nullptr, 0, text.data(), static_cast<int32_t>(text.size()), &error);
  std::string wire(static_cast<size_t>(length), '\0');
  error = U_ZERO_ERROR;
  ucnv_resetFromUnicode(converter.get());
  ucnv_fromUChars(converter.get(), wire.data(), length, text.data(), static_cast<int32_t>(text.size()), &error);
  return U_FAILURE(error) ? std::string() : wire;
}

std::vector<std::string> EncodeSplit(const WireEncoding& encoding, std::string_view wireHead, std::string_view utf8Text,
                                     size_t limit) {
  const size_t budget = limit > wireHead.size() ? limit - wireHead.size() : 0;
  std::vector<size_t> starts;  // byte offset of every character, then the end
  for (size_t at = 0; at < utf8Text.size(); at += CharacterLength(utf8Text, at)) starts.push_back(at);
  starts.push_back(utf8Text.size());
  const size_t characters = starts.size() - 1;

  std::vector<std::string> lines;
  size_t first = 0;
  do {
    auto encoded = [&](size_t count) {
      return encoding.Encode(utf8Text.substr(starts[first], starts[first + count] - starts[first]));
    };
    size_t take = characters - first;
    std::string piece = encoded(take);
    if (piece.size() > budget) {
      // The longest run of characters that fits; at least one, so that the text always advances.
      size_t fits = 1, tooMany = take;
      while (tooMany - fits > 1) {
        const size_t middle = fits + (tooMany - fits) / 2;
        (encoded(middle).size() <= budget ? fits : tooMany) = middle;
      }
      take = fits;
      for (size_t count = take; count > take - take / 4 && count > 1; --count) {
        const char last = utf8Text[starts[first + count - 1]];
        if (last == ' ' || last == ',') {
          take = count;
          break;
        }
      }
      piece = encoded(take);
    }
    lines.push_back(std::string(wireHead) + piece);
    first += take;
  } while (first < characters);
  return lines;
}

}  // namespace zr2chat::irc
