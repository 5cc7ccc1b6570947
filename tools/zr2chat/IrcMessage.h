// IRC lines as they travel: prefix, command and parameters, kept as raw bytes of the wire encoding.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zr2chat::irc {

// The IRC limit for one line, CR LF included.
constexpr size_t kMaxLineBytes = 512;

struct Message {
  std::string prefix;               // without the leading ':'
  std::string command;              // upper-cased
  std::vector<std::string> params;  // the trailing parameter last, without its ':'
};

// One line without its CR LF; nothing for a line without a command.
std::optional<Message> ParseLine(std::string_view line);

// "nick!user@host" -> "nick"; a server prefix is returned whole.
std::string_view NickOf(std::string_view prefix);
// "nick!user@host" -> "user@host"; empty when the prefix carries no user part.
std::string_view UserHostOf(std::string_view prefix);

// Names compared as IRC servers do (RFC 1459 case mapping: []\~ are the upper case of {}|^).
bool SameName(std::string_view a, std::string_view b);
bool IsChannelName(std::string_view target);

}  // namespace zr2chat::irc
