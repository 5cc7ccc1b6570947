#include "Console.h"

#include <dlfcn.h>
#include <unicode/ucnv.h>

#include <cstring>

#include "host/CIniLoader.h"
#include "host/EntryFrame.h"

namespace zr2chat {
namespace {

std::string Convert(const char* to, const char* from, const std::string& text) {
  if (text.empty()) return {};
  std::string out(text.size() * 4 + 4, '\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length = ucnv_convert(to, from, out.data(), static_cast<int32_t>(out.size()), text.data(),
                                      static_cast<int32_t>(text.size()), &error);
  if (U_FAILURE(error)) return {};
  out.resize(length);
  return out;
}

using RequestEntry = void (*)(const char*, char*);
using CalcEntry = void (*)(const char*, const char*, const char*, const char*, const char*, const char*, char*);

constexpr char kUntouched = '\x7f';

}  // namespace

std::string Utf8ToAnsi(const std::string& utf8) { return Convert("windows-31j", "UTF-8", utf8); }
std::string AnsiToUtf8(const std::string& ansi) { return Convert("UTF-8", "windows-31j", ansi); }

Library::Library(const std::filesystem::path& file) : file_(std::filesystem::absolute(file)) {
  handle_ = dlopen(file_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) error_ = dlerror();
}

Library::~Library() {
  if (handle_ != nullptr) dlclose(handle_);
}

bool Library::Exports(const std::string& entry) const {
  return handle_ != nullptr && dlsym(handle_, entry.c_str()) != nullptr;
}

std::optional<std::string> Library::Call(const Candidate& candidate, const std::string& nick, const std::string& mask,
                                         const std::string& channel, const std::string& message) const {
  void* symbol = handle_ == nullptr ? nullptr : dlsym(handle_, candidate.entry.c_str());
  if (symbol == nullptr) return std::nullopt;
  char buffer[zr2::kReplyCapacity];
  std::memset(buffer, kUntouched, sizeof buffer);
  const std::string ansiNick = Utf8ToAnsi(nick), ansiChannel = Utf8ToAnsi(channel), ansiMessage = Utf8ToAnsi(message);
  if (candidate.kind == EntryKind::Calc) {
    const std::string ansiMask = Utf8ToAnsi(mask);
    reinterpret_cast<CalcEntry>(symbol)(ansiNick.c_str(), ansiChannel.c_str(), ansiMask.c_str(), "PRIVMSG",
                                        ansiChannel.c_str(), ansiMessage.c_str(), buffer);
  } else {
    const std::string request = ansiNick + " " + ansiChannel + " " + ansiMessage;
    reinterpret_cast<RequestEntry>(symbol)(request.c_str(), buffer);
  }
  if (buffer[0] == kUntouched) return std::nullopt;
  buffer[sizeof buffer - 1] = '\0';
  return std::string(buffer);
}

std::optional<Reply> Dispatch(const Library& library, const std::string& nick, const std::string& mask,
                              const std::string& channel, const std::string& message) {
  for (const Candidate& candidate : CandidatesFor(message)) {
    const std::optional<std::string> answer = library.Call(candidate, nick, mask, channel, message);
    if (!answer) continue;
    Reply reply{candidate.entry, {}};
    const std::string text = AnsiToUtf8(*answer);
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find("\r\n", start);
      if (end == std::string::npos) end = text.size();
      reply.lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return reply;
  }
  return std::nullopt;
}

std::string Readable(const std::string& noticeLine, bool terminal) {
  const size_t colon = noticeLine.find(" :");
  std::string text = colon == std::string::npos ? noticeLine : noticeLine.substr(colon + 2);
  std::string out;
  bool bold = false;
  for (char c : text) {
    if (c != '\x02') {
      out += c;
    } else if (terminal) {
      bold = !bold;
      out += bold ? "\x1b[1m" : "\x1b[22m";
    } else {
      out += "^B";
    }
  }
  if (bold) out += "\x1b[22m";
  return out;
}

bool StoreCharacterName(const std::filesystem::path& folder, const std::string& nick, const std::string& name) {
  zr2::ScopedLibraryFolder scope(folder);
  const std::u16string nickText = zr2::FromAnsi(Utf8ToAnsi(nick).c_str());
  const std::u16string nameText = zr2::FromAnsi(Utf8ToAnsi(name).c_str());
  zr2::WriteSetting(zr2::SettingsFile::Host, u"CharactersName", zr2::CharacterKey(nickText), nameText);
  return true;
}

}  // namespace zr2chat
