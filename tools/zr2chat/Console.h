// The console host: loads the library like a host, routes chat lines, turns replies into text.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Routing.h"

namespace zr2chat {

std::string Utf8ToAnsi(const std::string& utf8);
std::string AnsiToUtf8(const std::string& ansi);

// The library, loaded with dlopen as a host loads it.
class Library {
 public:
  explicit Library(const std::filesystem::path& file);
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool Loaded() const { return handle_ != nullptr; }
  std::string Error() const { return error_; }
  std::filesystem::path Folder() const { return file_.parent_path(); }
  bool Exports(const std::string& entry) const;
  // Calls one entry; the ANSI reply text when it wrote one, nothing when it left the buffer alone.
  std::optional<std::string> Call(const Candidate& candidate, const std::string& nick, const std::string& mask,
                                  const std::string& channel, const std::string& message) const;

 private:
  std::filesystem::path file_;
  void* handle_ = nullptr;
  std::string error_;
};

struct Reply {
  std::string entry;          // which entry answered
  std::vector<std::string> lines;  // UTF-8 NOTICE lines, exactly as written
};

// Routes a UTF-8 chat line through the candidates; nothing when no entry answered.
std::optional<Reply> Dispatch(const Library& library, const std::string& nick, const std::string& mask,
                              const std::string& channel, const std::string& message);

// The text of a NOTICE line after "NOTICE channel :", with bold shown as the terminal can.
std::string Readable(const std::string& noticeLine, bool terminal);

// What the host stores when a player names a character: CharactersName in Vellum.ini.
bool StoreCharacterName(const std::filesystem::path& folder, const std::string& nick, const std::string& name);

}  // namespace zr2chat
