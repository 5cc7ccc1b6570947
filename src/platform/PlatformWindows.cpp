// Windows layer: the Win32 API for the code page, the locale's casing, the module path, the host
// library and the file replace. No ICU here: the system's own tables are the ones the host uses.
// The build picks one layer per platform; the guard keeps this file empty where it is not wanted.
#if defined(_WIN32)
#include "platform/Platform.h"

#include <windows.h>
#undef ReplaceFile  // the Win32 macro (ReplaceFileA or ReplaceFileW) would rename ours

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

namespace zr2::platform {
namespace {

const char kAnchor = 0;  // any address inside this module finds the module

wchar_t* Wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

class File {
 public:
  explicit File(HANDLE handle) : handle_(handle) {}
  File(File&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  ~File() { Close(); }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    const bool closed = !Valid() || CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) return false;
    content.remove_prefix(written);
  }
  return true;
}

// A new file beside the target, so that the final move stays on one volume.
File CreateTemporaryBeside(const std::filesystem::path& path, std::wstring& name) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    name = path.native() + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()) +
           L"-" + std::to_wstring(attempt) + L".tmp";
    File file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Valid()) return file;
    if (GetLastError() != ERROR_FILE_EXISTS) break;
  }
  return File(INVALID_HANDLE_VALUE);
}

}  // namespace

const char* const kHostLibraryName = "Vellum.dll";

std::u16string AnsiToText(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX / 2) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::u16string text(static_cast<size_t>(length), u'\0');
  if (MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, Wide(text.data()), length) != length) return {};
  return text;
}

std::string TextToAnsi(std::u16string_view text) {
  if (text.empty() || text.size() > INT_MAX / 4) return {};
  const UINT codePage = GetACP();
  // These code pages hold every character (and take no flags); the others are tables of the BMP.
  const bool wholeUnicode = codePage == CP_UTF8 || codePage == 54936;
  std::u16string folded;
  if (!wholeUnicode && std::ranges::any_of(text, [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; })) {
    // One substitute per character: Windows would substitute each half of a surrogate pair.
    for (size_t i = 0; i < text.size(); ++i) {
      const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                        text[i + 1] <= 0xDFFF;
      folded += pair ? u'\uFFFD' : text[i];
      i += pair ? 1 : 0;
    }
    text = folded;
  }
  // No best fit: a character the code page lacks becomes the substitute, never a look-alike.
  const DWORD flags = wholeUnicode ? 0 : WC_NO_BEST_FIT_CHARS;
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(codePage, flags, Wide(text.data()), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string bytes(static_cast<size_t>(length), '\0');
  if (WideCharToMultiByte(codePage, flags, Wide(text.data()), size, bytes.data(), length, nullptr, nullptr) != length)
    return {};
  return bytes;
}

// The system's conversions need no set-up, so the codec keeps nothing.
AnsiCodec::AnsiCodec() = default;
AnsiCodec::~AnsiCodec() = default;
std::u16string AnsiCodec::Decode(std::string_view bytes) { return AnsiToText(bytes); }
std::string AnsiCodec::Encode(std::u16string_view text) { return TextToAnsi(text); }

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

bool IsAnsiRepresentable(std::u16string_view text) { return AnsiToText(TextToAnsi(text)) == text; }

std::u16string LocaleUpperCase(std::u16string_view text) {
  if (text.empty() || text.size() > INT_MAX) return std::u16string(text);
  std::u16string upper(text);
  // Simple case mapping: the upper-case text has the length of the text.
  const int size = static_cast<int>(upper.size());
  if (LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE, Wide(text.data()), size, Wide(upper.data()), size) != size) {
    upper = text;
    CharUpperBuffW(Wide(upper.data()), static_cast<DWORD>(size));
  }
  return upper;
}

// Equal once both are upper-cased, character by character. The linguistic comparison
// (CompareStringEx) would also equate texts that differ only in characters it ignores, such as
// controls, which would let two distinct settings names or command words meet.
bool LocaleEqualsNoCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && LocaleUpperCase(a) == LocaleUpperCase(b);
}

std::uint32_t TickCount() { return GetTickCount(); }

std::filesystem::path ModuleFolder() {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&kAnchor), &module))
    return {};
  // The path may be longer than MAX_PATH: grow until it fits (Windows paths end at 32767).
  for (DWORD capacity = MAX_PATH; capacity <= 65536; capacity *= 2) {
    std::wstring file(capacity, L'\0');
    const DWORD length = GetModuleFileNameW(module, file.data(), capacity);
    if (length == 0) return {};
    if (length < capacity) {
      file.resize(length);
      return std::filesystem::path(file).parent_path();
    }
  }
  return {};
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  File file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return std::nullopt;
  std::string content;
  char chunk[16384];
  DWORD read = 0;
  while (ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0) content.append(chunk, read);
  return content;
}

bool ReplaceFile(const std::filesystem::path& path, std::string_view content) {
  std::wstring temporary;
  File file = CreateTemporaryBeside(path, temporary);
  if (!file.Valid()) return false;
  const bool complete = WriteAll(file.Get(), content) && FlushFileBuffers(file.Get()) && file.Close();
  file.Close();
  if (complete) {
    // The host may hold the file open for a moment while it reads it: retry a few times.
    for (int attempt = 0; attempt < 5; ++attempt) {
      if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
      const DWORD error = GetLastError();
      if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED && error != ERROR_LOCK_VIOLATION) break;
      Sleep(20);
    }
  }
  DeleteFileW(temporary.c_str());
  return false;
}

bool CallLibraryCommand(const std::filesystem::path& path, const char16_t* const args[6], char* answer) {
  HMODULE library = LoadLibraryW(path.c_str());
  if (library == nullptr) return false;
  using Command = void(__cdecl*)(const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*,
                                 const wchar_t*, char*);
  // Through void(*)(), the one function pointer type that converts to any other without a warning.
  const auto command = reinterpret_cast<Command>(reinterpret_cast<void (*)()>(GetProcAddress(library, "Command")));
  if (command != nullptr)
    command(Wide(args[0]), Wide(args[1]), Wide(args[2]), Wide(args[3]), Wide(args[4]), Wide(args[5]), answer);
  FreeLibrary(library);
  return command != nullptr;
}

}  // namespace zr2::platform
#endif
