// The few things the library needs from the operating system, behind one small layer per platform.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zr2::platform {

// ANSI code page conversions (CP932 where the system has none). Characters the code page cannot
// hold become its substitute character.
std::u16string AnsiToText(std::string_view bytes);
std::string TextToAnsi(std::u16string_view text);
// The same conversions for many texts in a row, without setting the conversion up for each one.
class AnsiCodec {
 public:
  AnsiCodec();
  ~AnsiCodec();
  AnsiCodec(const AnsiCodec&) = delete;
  AnsiCodec& operator=(const AnsiCodec&) = delete;

  std::u16string Decode(std::string_view bytes);
  std::string Encode(std::u16string_view text);
  bool Represents(std::u16string_view text) { return Decode(Encode(text)) == text; }

 private:
  void* converter_ = nullptr;  // the platform's converter, where it keeps one
};

// Whether the byte starts a two-byte character of the ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);
// Whether the text survives a round trip through the ANSI code page unchanged.
bool IsAnsiRepresentable(std::u16string_view text);

// The locale's upper-casing and case-insensitive equality (all letters, not only ASCII).
std::u16string LocaleUpperCase(std::u16string_view text);
bool LocaleEqualsNoCase(std::u16string_view a, std::u16string_view b);

// Milliseconds since the system started, wrapping at 32 bits.
std::uint32_t TickCount();

// The folder of the file that holds this code (the loaded library, or a program linking it).
std::filesystem::path ModuleFolder();

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
// Replaces the file's content at once: a reader sees the old file or the new one, never a torn one.
bool ReplaceFile(const std::filesystem::path& path, std::string_view content);

// Loads the library at path, calls its entry "Command" with six UTF-16 texts and an ANSI answer
// buffer, and unloads it again. False when it cannot be loaded or has no such entry.
bool CallLibraryCommand(const std::filesystem::path& path, const char16_t* const args[6], char* answer);

// The file name of the host's own library in the library folder.
extern const char* const kHostLibraryName;

}  // namespace zr2::platform
