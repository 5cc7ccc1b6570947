// Checks of the Windows platform layer that the vectors do not reach: the code page at its edges,
// the locale's casing, the file replace when the file is busy, and the host library call.
//
//   zr2_platform_check HOST_FIXTURE_DLL      (run in a code page 932 locale)
#include <windows.h>
#undef ReplaceFile  // the Win32 macro would rename the platform's function

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace {

namespace fs = std::filesystem;
using namespace zr2::platform;

int gFailures = 0;
int gChecks = 0;

void Check(bool ok, const std::string& what) {
  ++gChecks;
  if (!ok) {
    ++gFailures;
    std::printf("FAIL %s\n", what.c_str());
  }
}

std::string Hex(std::string_view bytes) {
  std::string out;
  char part[4];
  for (unsigned char b : bytes) {
    std::snprintf(part, sizeof part, "%02X ", b);
    out += part;
  }
  return out;
}

void CodePage() {
  struct Case {
    std::u16string text;
    std::string ansi;
    const char* why;
  };
  const std::vector<Case> cases = {
      {u"アリス", "\x83\x41\x83\x8A\x83\x58", "Japanese text"},
      {u"ｶﾅ", "\xB6\xC5", "half-width kana are single bytes"},
      {u"～＼", "\x81\x60\x81\x5F", "the code page's own tilde and backslash"},
      {u"é", "?", "a letter the code page lacks is substituted, not best-fitted to e"},
      {u"a\U0001F600b", "a?b", "a character outside the BMP is one substitute, not one per surrogate"},
      {u"a\xD800", "a?", "a lone surrogate is substituted"},
      {u"\x02x\x7F", "\x02x\x7F", "control characters pass unchanged"},
  };
  for (const Case& c : cases) {
    const std::string ansi = TextToAnsi(c.text);
    Check(ansi == c.ansi, std::string("TextToAnsi: ") + c.why + " (got " + Hex(ansi) + ")");
  }
  Check(AnsiToText("\x83\x41\x83\x8A\x83\x58") == u"アリス", "AnsiToText of Japanese text");
  Check(AnsiToText(std::string_view("a\0b", 3)) == std::u16string(u"a\0b", 3), "AnsiToText keeps an embedded NUL");
  Check(IsAnsiRepresentable(u"アリス") && !IsAnsiRepresentable(u"é"), "IsAnsiRepresentable");
  Check(IsAnsiLeadByte(0x81) && IsAnsiLeadByte(0xE0) && !IsAnsiLeadByte(0x41) && !IsAnsiLeadByte(0xB6),
        "IsAnsiLeadByte: 0x81 and 0xE0 lead, ASCII and half-width kana do not");
}

void Casing() {
  Check(LocaleUpperCase(u"taro_2") == u"TARO_2", "LocaleUpperCase of ASCII");
  Check(LocaleUpperCase(u"ａｂｃαβⅰ") == u"ＡＢＣΑΒⅠ", "LocaleUpperCase of full-width, Greek and Roman numerals");
  Check(LocaleUpperCase(u"あア") == u"あア", "LocaleUpperCase leaves kana");
  struct Pair {
    std::u16string a, b;
    bool equal;
  };
  const std::vector<Pair> pairs = {
      {u"dice_off", u"DICE_OFF", true}, {u"ｄｉｃｅ", u"ＤＩＣＥ", true}, {u"", u"", true},
      {u"dice\x01_off", u"dice_off", false},  // ignorable to a linguistic comparison, not here
      {u"ａ", u"a", false},                    // width is not case
      {u"あ", u"ア", false},                   // nor is kana type
  };
  for (const Pair& p : pairs)
    Check(LocaleEqualsNoCase(p.a, p.b) == p.equal, "LocaleEqualsNoCase of a pair expected " +
                                                       std::string(p.equal ? "equal" : "different"));
}

std::vector<std::string> FilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

void Replace(const fs::path& folder) {
  const fs::path file = folder / "RA2ZOV.ini";
  Check(ReplaceFile(file, "[#t]\r\nMode=ZR25\r\n"), "ReplaceFile creates a file");
  Check(ReplaceFile(file, "new"), "ReplaceFile replaces a file");
  Check(ReadWholeFile(file) == std::optional<std::string>("new"), "the replaced file holds the new content");
  Check(FilesIn(folder) == std::vector<std::string>{"RA2ZOV.ini"}, "ReplaceFile leaves no temporary file");

  // A reader that does not share deletion keeps the file: the write is lost, the file stays whole.
  HANDLE reader = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  Check(reader != INVALID_HANDLE_VALUE, "open the file for reading");
  Check(!ReplaceFile(file, "blocked"), "ReplaceFile reports a file it cannot replace");
  CloseHandle(reader);
  Check(ReadWholeFile(file) == std::optional<std::string>("new"), "a failed replace keeps the old content");
  Check(FilesIn(folder) == std::vector<std::string>{"RA2ZOV.ini"}, "a failed replace leaves no temporary file");

  Check(!ReplaceFile(folder / "missing" / "x.ini", "x"), "ReplaceFile into a missing folder fails");
  Check(!ReadWholeFile(folder / "absent.ini"), "ReadWholeFile of a missing file");
}

void HostLibrary(const fs::path& folder, const fs::path& fixture) {
  const char16_t* const args[6] = {u"SN", u"#ch", u"a@a", u"PRIVMSG", u"#ch", u"2B6"};
  char answer[256] = "";
  Check(!CallLibraryCommand(folder / "Vellum.dll", args, answer), "a missing host library gives no answer");
  fs::copy_file(fixture, folder / "Vellum.dll");
  Check(CallLibraryCommand(folder / "Vellum.dll", args, answer) && std::string(answer) == "SN -> 2B6 = [2,5] = 7",
        std::string("the host library answers (got ") + answer + ")");
  // A library without the entry: this program's own kernel32 will do.
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  Check(!CallLibraryCommand(fs::path(system) / "kernel32.dll", args, answer), "a library without Command");
}

void Module() {
  wchar_t self[MAX_PATH * 4];
  GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
  Check(ModuleFolder() == fs::path(self).parent_path(), "ModuleFolder is the folder of the module holding the code");
  // The tick count may be refreshed only now and then; give it time, but bounded.
  const std::uint32_t first = TickCount();
  for (int i = 0; i < 100 && TickCount() - first < 10; ++i) Sleep(20);
  Check(TickCount() - first >= 10, "TickCount advances in milliseconds");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::printf("usage: zr2_platform_check HOST_FIXTURE_DLL\n");
    return 2;
  }
  const fs::path folder = fs::temp_directory_path() / ("zr2-platform-" + std::to_string(GetCurrentProcessId()));
  fs::remove_all(folder);
  fs::create_directories(folder / "files");
  CodePage();
  Casing();
  Replace(folder / "files");
  HostLibrary(folder, argv[1]);
  Module();
  std::error_code error;
  fs::remove_all(folder, error);
  std::printf("platform: %d passed, %d failed\n", gChecks - gFailures, gFailures);
  return gFailures == 0 ? 0 : 1;
}
