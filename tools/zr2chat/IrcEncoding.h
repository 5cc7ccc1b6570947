// The network's character encoding, met only at the socket: everything inside is UTF-8.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zr2chat::irc {

class WireEncoding {
 public:
  // Any name ICU knows (UTF-8, ISO-2022-JP, CP932, ...); nothing for an unknown name.
  static std::optional<WireEncoding> Open(const std::string& name);

  const std::string& Name() const { return name_; }
  std::string Decode(std::string_view wire) const;  // to UTF-8; undecodable bytes become U+FFFD
  std::string Encode(std::string_view utf8) const;  // from UTF-8; unmappable characters are substituted

 private:
  explicit WireEncoding(std::string name) : name_(std::move(name)) {}
  std::string name_;
  bool widenKatakana_ = false;
};

// Wire lines wireHead + encoded piece of the text, each at most `limit` bytes (CR LF not counted).
// The text is cut only between characters, at a blank or comma when one is near, so that every
// line decodes on its own (an ISO-2022-JP line always ends back in ASCII).
std::vector<std::string> EncodeSplit(const WireEncoding& encoding, std::string_view wireHead, std::string_view utf8Text,
                                     size_t limit);

}  // namespace zr2chat::irc
