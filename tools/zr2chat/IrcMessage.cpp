#include "IrcMessage.h"

#include <algorithm>

namespace zr2chat::irc {
namespace {

char FoldCase(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  switch (c) {
    case '{':
      return '[';
    case '}':
      return ']';
    case '|':
      return '\\';
    case '^':
      return '~';
    default:
      return c;
  }
}

void SkipSpaces(std::string_view& text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
}

std::string_view TakeWord(std::string_view& text) {
  const size_t end = std::min(text.find(' '), text.size());
  const std::string_view word = text.substr(0, end);
  text.remove_prefix(end);
  SkipSpaces(text);
  return word;
}

}  // namespace

std::optional<Message> ParseLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  SkipSpaces(line);
  if (!line.empty() && line.front() == '@') TakeWord(line);  // message tags: nothing here uses them
  Message message;
  if (!line.empty() && line.front() == ':') {
    line.remove_prefix(1);
    message.prefix = TakeWord(line);
  }
  message.command = TakeWord(line);
  if (message.command.empty()) return std::nullopt;
  std::transform(message.command.begin(), message.command.end(), message.command.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  while (!line.empty()) {
    if (line.front() == ':') {
      message.params.emplace_back(line.substr(1));
      break;
    }
    message.params.emplace_back(TakeWord(line));
  }
  return message;
}

std::string_view NickOf(std::string_view prefix) { return prefix.substr(0, prefix.find('!')); }

std::string_view UserHostOf(std::string_view prefix) {
  const size_t bang = prefix.find('!');
  return bang == std::string_view::npos ? std::string_view{} : prefix.substr(bang + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

bool IsChannelName(std::string_view target) {
  return !target.empty() &&
         (target.front() == '#' || target.front() == '&' || target.front() == '+' || target.front() == '!');
}

}  // namespace zr2chat::irc
