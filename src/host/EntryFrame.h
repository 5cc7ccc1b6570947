// What every exported entry shares: the request, the reply in NOTICE lines, the library folder,
// and the two ways of calling the host's own library.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Marks an exported entry: C linkage, visible from the shared library, caller cleans the stack.
#if defined(_WIN32)
#define ZR2_ENTRY extern "C" __declspec(dllexport)
#define ZR2_CALL __cdecl
#else
#define ZR2_ENTRY extern "C" __attribute__((visibility("default")))
#define ZR2_CALL
#endif

namespace zr2 {

// The host's buffer takes at most this many bytes, terminating NUL included.
constexpr size_t kReplyCapacity = 1024;

// The folder of the library's own file; every settings file and the host library live there.
const std::filesystem::path& LibraryFolder();

// Replaces the library folder while it lives (tests run entries against a folder of their own).
class ScopedLibraryFolder {
 public:
  explicit ScopedLibraryFolder(std::filesystem::path folder);
  ~ScopedLibraryFolder();
  ScopedLibraryFolder(const ScopedLibraryFolder&) = delete;
  ScopedLibraryFolder& operator=(const ScopedLibraryFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

struct Request {
  std::u16string speaker;
  std::u16string channel;
  std::u16string message;
};

// Speaker and channel are the first two words; the message is what is left.
Request SplitRequest(std::u16string text);
// A request as the host hands it: ANSI text, possibly null.
Request ReadRequest(const char* request);
std::u16string FromAnsi(const char* text);

// Writes the answer as NOTICE lines to channel, each prefixed with the speaker's character name
// (no prefix when speaker is empty). Nothing is written when the result would not fit the buffer.
bool SendReply(std::u16string_view answer, std::u16string_view channel, std::u16string_view speaker, char* buffer);

// Calls Command of the host library in the library folder; true when it wrote an answer.
bool CallHostCommand(const std::u16string (&args)[6], char* answer);

struct HostTerm {
  bool evaluated = false;
  std::u16string echo;
  std::u16string detail;
  std::int32_t value = 0;
  bool optionsUsed = false;
};

// Lets the host library evaluate a dice term this library does not know.
HostTerm EvaluateByHost(std::u16string_view term, std::u16string_view options, bool inherited);

// Runs an entry's body; nothing ever escapes an entry.
template <class Body>
void GuardEntry(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

}  // namespace zr2
