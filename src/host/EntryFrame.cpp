#include "host/EntryFrame.h"

#include <cstring>
#include <vector>

#include "host/CIniLoader.h"
#include "platform/Platform.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

std::filesystem::path& FolderSlot() {
  static std::filesystem::path folder = platform::ModuleFolder();
  return folder;
}

}  // namespace

const std::filesystem::path& LibraryFolder() { return FolderSlot(); }

ScopedLibraryFolder::ScopedLibraryFolder(std::filesystem::path folder) : previous_(FolderSlot()) {
  FolderSlot() = std::move(folder);
}

ScopedLibraryFolder::~ScopedLibraryFolder() { FolderSlot() = std::move(previous_); }

Request SplitRequest(std::u16string text) {
  Request request;
  request.speaker = NextToken(text);
  request.channel = NextToken(text);
  request.message = std::move(text);
  return request;
}

std::u16string FromAnsi(const char* text) {
  return text == nullptr ? std::u16string() : platform::AnsiToText(text);
}

Request ReadRequest(const char* request) { return SplitRequest(FromAnsi(request)); }

bool SendReply(std::u16string_view answer, std::u16string_view channel, std::u16string_view speaker, char* buffer) {
  const std::u16string prefix = speaker.empty() ? std::u16string() : CharacterName(speaker) + u" -> ";
  std::u16string reply;
  size_t start = 0;
  while (start <= answer.size()) {
    size_t end = answer.find(u"\r\n", start);
    if (end == std::u16string_view::npos) end = answer.size();
    const std::u16string_view line = answer.substr(start, end - start);
    if (!line.empty()) {
      if (!reply.empty()) reply += u"\r\n";
      reply += u"NOTICE ";
      reply += channel;
      reply += u" :";
      reply += prefix;
      reply += line;
    }
    start = end + 2;
  }
  const std::string bytes = platform::TextToAnsi(reply);
  if (bytes.size() >= kReplyCapacity || buffer == nullptr) return false;
  std::memcpy(buffer, bytes.c_str(), bytes.size() + 1);
  return true;
}

bool CallHostCommand(const std::u16string (&args)[6], char* answer) {
  const std::filesystem::path library = LibraryFolder() / platform::kHostLibraryName;
  std::error_code error;
  if (!std::filesystem::exists(library, error)) return false;
  const char16_t* const texts[6] = {args[0].c_str(), args[1].c_str(), args[2].c_str(),
                                    args[3].c_str(), args[4].c_str(), args[5].c_str()};
  return platform::CallLibraryCommand(library, texts, answer) && answer[0] != '\0';
}

HostTerm EvaluateByHost(std::u16string_view term, std::u16string_view options, bool inherited) {
  HostTerm result;
  std::vector<char> answer(4097, '\0');
  std::u16string args[6] = {u"SN", u"#ch", u"a@a", u"PRIVMSG", u"#ch", std::u16string(term) + std::u16string(options)};
  bool used = CallHostCommand(args, answer.data());
  if (!used) {
    answer.assign(answer.size(), '\0');
    args[5] = std::u16string(term);
    if (!CallHostCommand(args, answer.data())) return result;
  }
  answer.back() = '\0';
  result.optionsUsed = used;
  std::u16string text = platform::AnsiToText(answer.data());
  const size_t arrow = text.find(u" -> ");
  text = arrow == std::u16string::npos ? std::u16string() : text.substr(arrow + 4);
  result.echo = Cut(text, u" = ");
  if (inherited && used && !options.empty()) {
    const size_t at = result.echo.find(options[0]);
    if (at != std::u16string::npos) result.echo.resize(at);
  }
  result.detail = Cut(text, u" = ");
  const std::u16string total = TrimControls(text);
  if (const std::optional<std::int32_t> value = ReadPlainInteger(total)) {
    result.evaluated = true;
    result.value = *value;
  }
  return result;
}

}  // namespace zr2
