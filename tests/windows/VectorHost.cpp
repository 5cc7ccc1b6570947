// Runs the behaviour vectors against a built ZR2_DLL.dll the way a host uses it: the DLL is loaded
// with LoadLibrary from a folder of its own and every entry is called through GetProcAddress, once
// with the entries looked up by name and once by ordinal. Vectors whose entries the DLL does not
// export are skipped; so are vectors that script dice when the DLL has no dice hook (only the test
// build has one).
//
//   zr2_vector_host DLL VECTOR_FOLDER HOST_FIXTURE_DLL [--code-page N]
//
// Settings are stored and checked with the library's own INI code, as the in-process runner does.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Vectors.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "platform/Platform.h"

namespace {

namespace fs = std::filesystem;
using zr2::vectors::Shown;
using zr2::vectors::Step;
using zr2::vectors::Vector;

using RequestEntry = void(__cdecl*)(const char*, char*);
using CalcEntry = void(__cdecl*)(const char*, const char*, const char*, const char*, const char*, const char*, char*);
using BeginDice = int(__cdecl*)(const int*, int);
using EndDice = int(__cdecl*)(char*, int);

// The host interface: every entry's name and export ordinal. Calc is reachable at two ordinals.
struct Export {
  const char* name;
  int ordinal;
};
constexpr Export kExports[] = {
    {"AsciiCalc", 4},      {"Calc", 5},           {"RollDice", 6},        {"GetMistEE", 7},     {"RegMistEE", 8},
    {"Choice", 9},         {"Limitation", 10},    {"VerInfo", 11},        {"MoveLinkShell", 13}, {"GetLinkShell", 14},
    {"ClearLinkShell", 15}, {"StartLinkShell", 16}, {"PutCounterDef", 17}, {"SetCounterDef", 18}, {"ZR2_Kegare", 19},
    {"ZR2_Fairy", 20},     {"ZR2_UpStatus", 21},  {"ZR2_MakeBirth", 22}};
constexpr int kSecondCalcOrdinal = 12;

std::string gCurrent;  // the vector being run, for a crash report

template <class Function>
Function Lookup(HMODULE module, const char* nameOrOrdinal) {
  // Through void(*)(), the one function pointer type that converts to any other without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, nameOrOrdinal)));
}

const char* Ordinal(int ordinal) { return MAKEINTRESOURCEA(ordinal); }

std::u16string U16(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::u16string text(static_cast<size_t>(length), u'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), reinterpret_cast<wchar_t*>(text.data()),
                      length);
  return text;
}

std::string U8(const std::u16string& text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
  return bytes;
}

std::string Ansi(const std::string& utf8) { return zr2::platform::TextToAnsi(U16(utf8)); }

std::string ReadBytes(const fs::path& path) {
  return zr2::platform::ReadWholeFile(path).value_or(std::string());
}

bool WriteBytes(const fs::path& path, const std::string& bytes) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

// The entries of one pass, found by name or by ordinal; null where the DLL has none.
struct EntryTable {
  std::map<std::string, RequestEntry> requests;
  CalcEntry calc = nullptr;
};

EntryTable ByName(HMODULE module) {
  EntryTable table;
  for (const Export& e : kExports) {
    if (std::strcmp(e.name, "Calc") == 0)
      table.calc = Lookup<CalcEntry>(module, e.name);
    else
      table.requests[e.name] = Lookup<RequestEntry>(module, e.name);
  }
  return table;
}

EntryTable ByOrdinal(HMODULE module) {
  EntryTable table;
  for (const Export& e : kExports) {
    if (std::strcmp(e.name, "Calc") == 0)
      table.calc = Lookup<CalcEntry>(module, Ordinal(kSecondCalcOrdinal));
    else
      table.requests[e.name] = Lookup<RequestEntry>(module, Ordinal(e.ordinal));
  }
  return table;
}

// Names and ordinals must reach the same functions; Calc's two ordinals one function.
int CheckExports(HMODULE module) {
  int problems = 0;
  const auto problem = [&](const std::string& text) {
    std::printf("FAIL export table: %s\n", text.c_str());
    ++problems;
  };
  for (int ordinal = 1; ordinal <= 3; ++ordinal)
    if (GetProcAddress(module, Ordinal(ordinal)) != nullptr) problem("ordinal " + std::to_string(ordinal) + " is used");
  int exported = 0;
  for (const Export& e : kExports) {
    const FARPROC byName = GetProcAddress(module, e.name);
    const FARPROC byOrdinal = GetProcAddress(module, Ordinal(e.ordinal));
    if (byName != byOrdinal)
      problem(std::string(e.name) + " and ordinal " + std::to_string(e.ordinal) + " differ");
    if (byName != nullptr) ++exported;
  }
  if (GetProcAddress(module, Ordinal(kSecondCalcOrdinal)) != GetProcAddress(module, "Calc"))
    problem("ordinal 12 is not Calc");
  std::printf("exports: %d of %zu entries\n", exported, std::size(kExports));
  return problems;
}

class Runner {
 public:
  Runner(HMODULE module, fs::path folder, fs::path hostFixture)
      : folder_(std::move(folder)), hostFixture_(std::move(hostFixture)),
        beginDice_(Lookup<BeginDice>(module, "ZR2Test_BeginDice")),
        endDice_(Lookup<EndDice>(module, "ZR2Test_EndDice")) {}

  bool CanScriptDice() const { return beginDice_ != nullptr && endDice_ != nullptr; }

  // Why the vector cannot run with these entries, or nothing.
  std::optional<std::string> Unrunnable(const Vector& v, const EntryTable& entries) const {
    for (const Step& step : v.steps) {
      if (step.entry == "Calc") {
        if (entries.calc == nullptr) return "Calc is not exported";
      } else {
        const auto found = entries.requests.find(step.entry);
        if (found == entries.requests.end()) return "unknown entry " + step.entry;
        if (found->second == nullptr) return step.entry + " is not exported";
      }
      if (!step.dice.empty() && !CanScriptDice()) return "the DLL cannot script dice";
    }
    return std::nullopt;
  }

  // The failures of one vector, empty when it passes.
  std::vector<std::string> Run(const Vector& v, const EntryTable& entries) {
    std::vector<std::string> failures;
    ResetFolder();
    zr2::ScopedLibraryFolder scope(folder_);
    if (v.host) fs::copy_file(hostFixture_, folder_ / zr2::platform::kHostLibraryName);
    for (const auto& s : v.ini) zr2::WriteSetting(File(s), U16(s.section), U16(s.key), U16(s.value));
    for (const auto& [file, line] : v.raw)
      WriteBytes(folder_ / file, ReadBytes(folder_ / file) + Ansi(zr2::vectors::Visible(line)) + "\r\n");

    for (const Step& step : v.steps) {
      const std::string where = v.file + ":" + std::to_string(step.line) + ": ";
      constexpr char kUntouched = '\x7f';
      char buffer[zr2::kReplyCapacity + 16];
      std::memset(buffer, kUntouched, sizeof buffer);
      std::vector<int> dice;
      for (const auto& [sides, face] : step.dice) dice.insert(dice.end(), {sides, face});
      if (CanScriptDice() && !beginDice_(dice.data(), static_cast<int>(step.dice.size())))
        failures.push_back(where + "the dice script did not start");
      if (step.entry == "Calc") {
        const std::vector<std::string> fields = zr2::vectors::SplitFields(step.request);
        if (fields.size() != 6) {
          failures.push_back(where + "Calc takes six fields");
        } else {
          std::vector<std::string> ansi;
          for (const auto& f : fields) ansi.push_back(Ansi(f));
          entries.calc(ansi[0].c_str(), ansi[1].c_str(), ansi[2].c_str(), ansi[3].c_str(), ansi[4].c_str(),
                       ansi[5].c_str(), buffer);
        }
      } else {
        entries.requests.at(step.entry)(Ansi(step.request).c_str(), buffer);
      }
      if (CanScriptDice()) {
        char problem[512] = "";
        if (!endDice_(problem, sizeof problem)) failures.push_back(where + "the dice script did not end");
        if (problem[0] != '\0') failures.push_back(where + "dice: " + problem);
      }
      for (size_t i = zr2::kReplyCapacity; i < sizeof buffer; ++i) {
        if (buffer[i] != kUntouched) {
          failures.push_back(where + "reply written past 1024 bytes");
          return failures;
        }
      }
      std::string actual;
      if (buffer[0] == kUntouched) {
        actual = "(none)";
      } else if (std::memchr(buffer, '\0', zr2::kReplyCapacity) == nullptr) {
        failures.push_back(where + "reply without NUL in 1024 bytes");
        return failures;
      } else {
        actual = U8(zr2::platform::AnsiToText(buffer));
        if (actual.empty()) actual = "(empty)";
      }
      const std::string expected = zr2::vectors::ExpectedReply(step);
      if (actual != expected)
        failures.push_back(where + "reply\n  expected: " + Shown(expected) + "\n  actual:   " + Shown(actual));
      for (const auto& s : step.settings) {
        const auto stored = zr2::ReadSettingValue(File(s), U16(s.section), U16(s.key));
        const std::string got = stored ? U8(*stored) : "(absent)";
        if (got != U8(U16(s.value)))
          failures.push_back(where + "setting " + s.file + " [" + s.section + "] " + s.key + "\n  expected: " +
                             Shown(s.value) + "\n  actual:   " + Shown(got));
      }
    }
    return failures;
  }

 private:
  static zr2::SettingsFile File(const zr2::vectors::SettingText& s) {
    return s.host() ? zr2::SettingsFile::Host : zr2::SettingsFile::Library;
  }

  // Everything but the DLL itself goes: each vector starts from an empty library folder.
  void ResetFolder() const {
    for (const auto& entry : fs::directory_iterator(folder_)) {
      if (fs::equivalent(entry.path(), folder_ / "ZR2_DLL.dll")) continue;
      std::error_code error;
      fs::remove_all(entry.path(), error);
    }
  }

  fs::path folder_;
  fs::path hostFixture_;
  BeginDice beginDice_;
  EndDice endDice_;
};

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  std::printf("CRASH exception 0x%08lx while running %s\n",
              static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode), gCurrent.c_str());
  std::fflush(stdout);
  ExitProcess(3);
}

struct Tally {
  int passed = 0, failed = 0, skipped = 0;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetUnhandledExceptionFilter(ReportCrash);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  if (argc != 4 && !(argc == 6 && std::wcscmp(argv[4], L"--code-page") == 0)) {
    std::printf("usage: zr2_vector_host DLL VECTOR_FOLDER HOST_FIXTURE_DLL [--code-page N]\n");
    return 2;
  }
  if (argc == 6 && GetACP() != std::wcstoul(argv[5], nullptr, 10)) {
    std::printf("FAIL the ANSI code page is %u, not %ls (check the locale)\n", GetACP(), argv[5]);
    return 1;
  }
  std::printf("ANSI code page %u\n", GetACP());

  // The DLL takes its folder from its own path: give it a folder of its own.
  const fs::path folder = fs::temp_directory_path() / ("zr2-vectors-" + std::to_string(GetCurrentProcessId()));
  std::vector<Vector> vectors;
  try {
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(argv[1], folder / "ZR2_DLL.dll");
    vectors = zr2::vectors::LoadVectors(argv[2]);
  } catch (const std::exception& error) {
    std::printf("FAIL %s\n", error.what());
    return 1;
  }
  HMODULE module = LoadLibraryW((folder / "ZR2_DLL.dll").c_str());
  if (module == nullptr) {
    std::printf("FAIL cannot load %ls (error %lu)\n", argv[1], GetLastError());
    return 1;
  }

  int exportProblems = CheckExports(module);
  Runner runner(module, folder, argv[3]);
  if (!runner.CanScriptDice()) std::printf("note: the DLL has no dice hook; vectors with dice are skipped\n");

  // A vector passes when it passes both ways.
  std::map<std::string, std::string> outcome;  // file:line -> passed, failed or skipped: reason
  int shown = 0;
  for (const auto& [mode, entries] : {std::pair{"name", ByName(module)}, std::pair{"ordinal", ByOrdinal(module)}}) {
    Tally tally;
    for (const Vector& v : vectors) {
      const std::string id = v.file + ":" + std::to_string(v.line) + " " + v.name;
      gCurrent = id + " (by " + mode + ")";
      if (const auto reason = runner.Unrunnable(v, entries)) {
        ++tally.skipped;
        outcome[id] = "skipped: " + *reason;
        continue;
      }
      std::vector<std::string> failures;
      try {
        failures = runner.Run(v, entries);
      } catch (const std::exception& error) {
        failures.push_back(std::string("exception: ") + error.what());
      }
      if (failures.empty()) {
        ++tally.passed;
        if (!outcome.contains(id)) outcome[id] = "passed";
      } else {
        ++tally.failed;
        outcome[id] = "failed";
        for (const std::string& f : failures)
          if (shown++ < 200) std::printf("FAIL (by %s) %s\n  %s\n", mode, id.c_str(), f.c_str());
      }
    }
    std::printf("entries by %s: %d vectors ran (%d passed, %d failed), %d skipped\n", mode,
                tally.passed + tally.failed, tally.passed, tally.failed, tally.skipped);
  }
  FreeLibrary(module);
  std::error_code error;
  fs::remove_all(folder, error);

  Tally total;
  std::map<std::string, int> reasons;
  for (const auto& [id, result] : outcome) {
    if (result == "passed") {
      ++total.passed;
    } else if (result == "failed") {
      ++total.failed;
    } else {
      ++total.skipped;
      ++reasons[result];
    }
  }
  for (const auto& [reason, count] : reasons) std::printf("  %d vectors %s\n", count, reason.c_str());
  if (exportProblems > 0) ++total.failed;
  std::printf("windows: %d passed, %d failed, %d skipped\n", total.passed, total.failed, total.skipped);
  return total.failed == 0 && total.passed > 0 ? 0 : 1;
}
