// POSIX layer: ICU for the code page and the locale, dladdr/dlopen, CLOCK_BOOTTIME, rename(2).
#include "platform/Platform.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <cerrno>
#include <ctime>
#include <type_traits>
#include <memory>

namespace zr2::platform {
namespace {

// ICU's table for the code page swaps three control characters that the system's does not:
// byte 0x1A becomes U+001C, 0x1C becomes U+007F and 0x7F becomes U+001A. Put them back.
char16_t FromIcuControl(char16_t c) {
  switch (c) {
    case 0x1C: return 0x1A;
    case 0x7F: return 0x1C;
    case 0x1A: return 0x7F;
    default: return c;
  }
}

char16_t ToIcuControl(char16_t c) {
  switch (c) {
    case 0x1A: return 0x1C;
    case 0x1C: return 0x7F;
    case 0x7F: return 0x1A;
    default: return c;
  }
}

UConverter* OpenConverter(void*& slot) {
  if (slot == nullptr) {
    UErrorCode error = U_ZERO_ERROR;
    UConverter* converter = ucnv_open("windows-31j", &error);
    if (U_FAILURE(error)) return nullptr;
    ucnv_setSubstChars(converter, "?", 1, &error);
    slot = converter;
  }
  auto* converter = static_cast<UConverter*>(slot);
  ucnv_reset(converter);
  return converter;
}

template <class Text>
bool IsAscii(const Text& text) {
  for (auto c : text)
    if (static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<decltype(c)>>(c)) >= 0x80) return false;
  return true;
}

}  // namespace

const char* const kHostLibraryName = "Vellum.so";

// ASCII is the same in the code page, so it needs no converter; one is opened at the first other text.
AnsiCodec::AnsiCodec() = default;

AnsiCodec::~AnsiCodec() { ucnv_close(static_cast<UConverter*>(converter_)); }

std::u16string AnsiCodec::Decode(std::string_view bytes) {
  if (IsAscii(bytes)) return std::u16string(bytes.begin(), bytes.end());
  UConverter* converter = OpenConverter(converter_);
  if (converter == nullptr) return {};
  std::u16string text(bytes.size() + 1, u'\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length = ucnv_toUChars(converter, text.data(), static_cast<int32_t>(text.size()), bytes.data(),
                                       static_cast<int32_t>(bytes.size()), &error);
  if (U_FAILURE(error)) return {};
  text.resize(length);
  for (char16_t& c : text) c = FromIcuControl(c);
  return text;
}

std::string AnsiCodec::Encode(std::u16string_view text) {
  if (IsAscii(text)) return std::string(text.begin(), text.end());
  UConverter* converter = OpenConverter(converter_);
  if (converter == nullptr) return {};
  std::u16string icuText(text);
  for (char16_t& c : icuText) c = ToIcuControl(c);
  std::string bytes(text.size() * 2 + 1, '\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length = ucnv_fromUChars(converter, bytes.data(), static_cast<int32_t>(bytes.size()), icuText.data(),
                                         static_cast<int32_t>(icuText.size()), &error);
  if (U_FAILURE(error)) return {};
  bytes.resize(length);
  return bytes;
}

std::u16string AnsiToText(std::string_view bytes) { return AnsiCodec().Decode(bytes); }

std::string TextToAnsi(std::u16string_view text) { return AnsiCodec().Encode(text); }

bool IsAnsiLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsAnsiRepresentable(std::u16string_view text) { return AnsiCodec().Represents(text); }

std::u16string LocaleUpperCase(std::u16string_view text) {
  if (text.empty()) return {};
  std::u16string upper(text.size() * 3, u'\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length = u_strToUpper(upper.data(), static_cast<int32_t>(upper.size()), text.data(),
                                      static_cast<int32_t>(text.size()), "", &error);
  if (U_FAILURE(error)) return std::u16string(text);
  upper.resize(length);
  return upper;
}

bool LocaleEqualsNoCase(std::u16string_view a, std::u16string_view b) {
  UErrorCode error = U_ZERO_ERROR;
  const int32_t order = u_strCaseCompare(a.data(), static_cast<int32_t>(a.size()), b.data(),
                                         static_cast<int32_t>(b.size()), U_FOLD_CASE_DEFAULT, &error);
  return U_SUCCESS(error) && order == 0;
}

std::uint32_t TickCount() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const std::uint64_t ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u + now.tv_nsec / 1000000;
  return static_cast<std::uint32_t>(ms);
}

std::filesystem::path ModuleFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<const void*>(&ModuleFolder), &info) == 0 || info.dli_fname == nullptr) return {};
  std::error_code error;
  std::filesystem::path file = std::filesystem::absolute(info.dli_fname, error);
  if (error) file = info.dli_fname;
  return file.parent_path();
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  std::string content;
  if (fstat(fd, &status) == 0 && status.st_size > 0) content.reserve(static_cast<size_t>(status.st_size));
  char buffer[16384];
  while (true) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    content.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return content;
}

bool ReplaceFile(const std::filesystem::path& path, std::string_view content) {
  std::string temporary = path.string() + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = write(fd, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<size_t>(n);
  }
  const bool complete = written == content.size() && fsync(fd) == 0;
  // Keep the usual permissions of a settings file rather than mkstemp's 0600.
  fchmod(fd, 0644);
  close(fd);
  if (!complete || rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

bool CallLibraryCommand(const std::filesystem::path& path, const char16_t* const args[6], char* answer) {
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return false;
  using Command = void (*)(const char16_t*, const char16_t*, const char16_t*, const char16_t*,
                           const char16_t*, const char16_t*, char*);
  auto command = reinterpret_cast<Command>(dlsym(library, "Command"));
  if (command != nullptr) command(args[0], args[1], args[2], args[3], args[4], args[5], answer);
  dlclose(library);
  return command != nullptr;
}

}  // namespace zr2::platform
