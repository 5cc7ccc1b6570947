// Time of one roll command through the exported entry, with both settings files in place, and of
// the steps it is made of (settings reads, rolling, the reply) to show where the time goes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "dice/CDiceExecute.h"
#include "host/CDiceMode.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "platform/Platform.h"

extern "C" void RollDice(const char* request, char* reply);

namespace {

std::filesystem::path MakeFolder() {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("zr2-bench-" + std::to_string(getpid()));
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path;
}

// A library folder whose settings files hold a few channels, a mode and a character name.
class Library {
 public:
  Library() : folder_(MakeFolder()), scope_(folder_) {
    using zr2::SettingsFile;
    zr2::WriteSetting(SettingsFile::Library, u"#table", u"Mode", u"GG");
    zr2::WriteSetting(SettingsFile::Library, u"#zr", u"Mode", u"ZR2");
    zr2::WriteSetting(SettingsFile::Library, u"#other", u"Mode", u"DX");
    zr2::WriteSetting(SettingsFile::Library, u"#other", u"UnExecutable", u"1");
    zr2::WriteSetting(SettingsFile::Host, u"CharactersName", u"TARO", u"アリス");
    zr2::WriteSetting(SettingsFile::Host, u"CharactersName", u"JIRO", u"ボブ");
    zr2::WriteSetting(SettingsFile::Host, u"#table", u"TARO", u"12");
    zr2::WriteSetting(SettingsFile::Host, u"GameMode", u"#table", u"GGEN");
  }
  ~Library() {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
  }

 private:
  std::filesystem::path folder_;
  zr2::ScopedLibraryFolder scope_;
};

void RollCommand(benchmark::State& state, const char* request) {
  Library library;
  char reply[zr2::kReplyCapacity];
  for (auto _ : state) {
    RollDice(request, reply);
    benchmark::DoNotOptimize(reply);
  }
}
BENCHMARK_CAPTURE(RollCommand, modifier_and_target, "taro #table 2d6+3>=10")
    ->Repetitions(10)
    ->DisplayAggregatesOnly(true);
BENCHMARK_CAPTURE(RollCommand, power_table, "taro #zr r20+5@10")->Repetitions(10)->DisplayAggregatesOnly(true);

// The parts of one roll command.
void BotSwitchRead(benchmark::State& state) {
  Library library;
  for (auto _ : state) benchmark::DoNotOptimize(zr2::BotEnabled(u"#table"));
}
BENCHMARK(BotSwitchRead);

void GameModeRead(benchmark::State& state) {
  Library library;
  for (auto _ : state) benchmark::DoNotOptimize(zr2::GameMode(u"#table"));
}
BENCHMARK(GameModeRead);

void CharacterNameRead(benchmark::State& state) {
  Library library;
  for (auto _ : state) benchmark::DoNotOptimize(zr2::CharacterName(u"taro"));
}
BENCHMARK(CharacterNameRead);

// What each settings read is made of: reading the file, and converting its lines from ANSI.
void SettingsFileRead(benchmark::State& state) {
  Library library;
  const std::filesystem::path file = zr2::LibraryFolder() / "RA2ZOV.ini";
  for (auto _ : state) benchmark::DoNotOptimize(zr2::platform::ReadWholeFile(file));
}
BENCHMARK(SettingsFileRead);

void AnsiLineConversion(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zr2::platform::AnsiToText("Mode=GG"));
}
BENCHMARK(AnsiLineConversion);

void RollTerm(benchmark::State& state, const char16_t* term, zr2::GameModeId mode) {
  const int termClass = zr2::ClassifyTerm(term);
  for (auto _ : state) benchmark::DoNotOptimize(zr2::EvaluateTermInMode(term, mode, termClass));
}
BENCHMARK_CAPTURE(RollTerm, modifier, u"2d6+3", 5);
BENCHMARK_CAPTURE(RollTerm, power_table, u"r20+5@10", 1);

void Reply(benchmark::State& state) {
  Library library;
  char reply[zr2::kReplyCapacity];
  for (auto _ : state)
    benchmark::DoNotOptimize(zr2::SendReply(u"2d6+3 = [4,5]+3 = 12 >= 10(成功)\r\n", u"#table", u"taro", reply));
}
BENCHMARK(Reply);

}  // namespace
