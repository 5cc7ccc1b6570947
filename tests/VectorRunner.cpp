// Runs the behaviour vectors of tests/vectors/*.vec through the real C entries.
//
// A file holds blocks; each block starts with "== name" and runs in a fresh library folder:
//   ini: FILE [SECTION] KEY=VALUE   stores a setting before the steps (FILE is RA2ZOV.ini or Vellum.ini)
//   raw: FILE LINE                  appends a raw line (CR LF) to a settings file
//   host: yes                       puts the stand-in host library into the folder
//   entry: NAME                     the entry for the following requests (default RollDice)
//   dice: SIDES:FACE ...            the dice the next request draws, faces counted from 1
//   request: TEXT                   calls the entry; Calc takes seven fields separated by " | "
//   reply: LINE                     expected reply, one NOTICE line per "reply:" (joined by CR LF);
//                                   "(none)": the buffer is left untouched; "(empty)": an empty text
//   setting: FILE [SECTION] KEY=VALUE   expected stored value after the request ("KEY=(absent)")
// "^B" in a text stands for the bold control character. Lines starting with "#" are comments.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "Entries.h"
#include "TestFolder.h"
#include "dice/RandomUnit.h"
#include "host/CIniLoader.h"
#include "platform/Platform.h"

namespace {

using zr2::test::U16;
using zr2::test::U8;

std::string Visible(std::string text) {
  for (size_t p = text.find("^B"); p != std::string::npos; p = text.find("^B", p + 1)) text.replace(p, 2, "\x02");
  return text;
}

std::string Shown(std::string text) {
  for (size_t p = text.find('\x02'); p != std::string::npos; p = text.find('\x02', p)) text.replace(p, 1, "^B");
  for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p)) text.replace(p, 2, "⏎\n");
  return text;
}

struct Setting {
  zr2::SettingsFile file;
  std::u16string section, key, value;
};

struct Step {
  int line = 0;
  std::string entry;
  std::string request;
  std::vector<std::pair<int, int>> dice;
  std::vector<std::string> reply;
  std::vector<Setting> settings;
};

struct Vector {
  std::string name;
  std::string file;
  int line = 0;
  std::vector<Setting> ini;
  std::vector<std::pair<std::string, std::string>> raw;
  bool host = false;
  std::vector<Step> steps;
};

std::ostream& operator<<(std::ostream& out, const Vector& v) { return out << v.file << ":" << v.line << " " << v.name; }

Setting ParseSetting(const std::string& text) {
  // FILE [SECTION] KEY=VALUE
  const size_t open = text.find(" [");
  const size_t close = text.find("] ", open);
  const size_t equals = text.find('=', close);
  if (open == std::string::npos || close == std::string::npos || equals == std::string::npos)
    throw std::runtime_error("bad setting: " + text);
  const std::string file = text.substr(0, open);
  Setting setting;
  setting.file = file == "Vellum.ini" ? zr2::SettingsFile::Host : zr2::SettingsFile::Library;
  setting.section = U16(text.substr(open + 2, close - open - 2));
  setting.key = U16(text.substr(close + 2, equals - close - 2));
  setting.value = U16(Visible(text.substr(equals + 1)));
  return setting;
}

std::vector<Vector> LoadVectors() {
  std::vector<Vector> vectors;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(ZR2_VECTOR_DIR))
    if (entry.path().extension() == ".vec") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& path : files) {
    std::ifstream in(path);
    std::string line;
    int number = 0;
    std::string entry = "RollDice";
    std::vector<std::pair<int, int>> dice;
    while (std::getline(in, line)) {
      ++number;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty() || line[0] == '#') continue;
      if (line.starts_with("== ")) {
        Vector v;
        v.name = line.substr(3);
        v.file = path.filename().string();
        v.line = number;
        vectors.push_back(std::move(v));
        entry = "RollDice";
        continue;
      }
      if (vectors.empty()) throw std::runtime_error(path.string() + ": text before the first vector");
      Vector& v = vectors.back();
      const size_t colon = line.find(": ");
      const std::string key = line.substr(0, colon);
      const std::string value = colon == std::string::npos ? "" : line.substr(colon + 2);
      if (key == "ini") {
        v.ini.push_back(ParseSetting(value));
      } else if (key == "raw") {
        const size_t blank = value.find(' ');
        v.raw.emplace_back(value.substr(0, blank), blank == std::string::npos ? "" : value.substr(blank + 1));
      } else if (key == "host") {
        v.host = value == "yes";
      } else if (key == "entry") {
        entry = value;
      } else if (key == "dice") {
        std::istringstream words(value);
        std::string word;
        while (words >> word) {
          const size_t sep = word.find(':');
          dice.emplace_back(std::stoi(word.substr(0, sep)), std::stoi(word.substr(sep + 1)));
        }
      } else if (key == "request") {
        Step step;
        step.line = number;
        step.entry = entry;
        step.request = Visible(value);
        step.dice = std::move(dice);
        v.steps.push_back(std::move(step));
        dice.clear();
      } else if (key == "reply" && !v.steps.empty()) {
        v.steps.back().reply.push_back(Visible(value));
      } else if (key == "setting" && !v.steps.empty()) {
        v.steps.back().settings.push_back(ParseSetting(value));
      } else if (line == "reply:" && !v.steps.empty()) {
        v.steps.back().reply.push_back("");
      } else {
        throw std::runtime_error(path.string() + ":" + std::to_string(number) + ": cannot read: " + line);
      }
    }
  }
  return vectors;
}

std::vector<std::string> SplitFields(const std::string& text) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t bar = text.find(" | ", start);
    fields.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 3;
  }
  return fields;
}

std::string Ansi(const std::string& utf8) { return zr2::platform::TextToAnsi(U16(utf8)); }

class VectorTest : public testing::TestWithParam<Vector> {};

TEST_P(VectorTest, Replies) {
  const Vector& v = GetParam();
  zr2::test::TestFolder folder;
  if (v.host) folder.InstallHostLibrary();
  for (const Setting& s : v.ini) zr2::WriteSetting(s.file, s.section, s.key, s.value);
  for (const auto& [file, line] : v.raw) folder.Write(file, folder.Read(file) + Ansi(Visible(line)) + "\r\n");

  for (const Step& step : v.steps) {
    SCOPED_TRACE(v.file + ":" + std::to_string(step.line));
    constexpr char kUntouched = '\x7f';
    char buffer[zr2::kReplyCapacity + 16];
    std::memset(buffer, kUntouched, sizeof buffer);
    {
      zr2::ScopedDiceScript script(step.dice);
      if (step.entry == "Calc") {
        ASSERT_NE(Calc, nullptr) << "the entry Calc is not built";
        std::vector<std::string> fields = SplitFields(step.request);
        ASSERT_EQ(fields.size(), 6u) << "Calc takes six fields";
        std::vector<std::string> ansi;
        for (const auto& f : fields) ansi.push_back(Ansi(f));
        Calc(ansi[0].c_str(), ansi[1].c_str(), ansi[2].c_str(), ansi[3].c_str(), ansi[4].c_str(), ansi[5].c_str(),
             buffer);
      } else {
        const auto found = RequestEntries().find(step.entry);
        ASSERT_TRUE(found != RequestEntries().end()) << "unknown entry " << step.entry;
        ASSERT_NE(found->second, nullptr) << "the entry " << step.entry << " is not built";
        found->second(Ansi(step.request).c_str(), buffer);
      }
      EXPECT_EQ(script.Problem(), "") << "dice";
    }
    for (size_t i = zr2::kReplyCapacity; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], kUntouched) << "overrun";
    std::string actual;
    if (buffer[0] == kUntouched) {
      actual = "(none)";
    } else {
      ASSERT_NE(std::memchr(buffer, '\0', zr2::kReplyCapacity), nullptr) << "reply without NUL in 1024 bytes";
      actual = U8(zr2::platform::AnsiToText(buffer));
      if (actual.empty()) actual = "(empty)";
    }
    std::string expected;
    for (size_t i = 0; i < step.reply.size(); ++i) expected += (i ? "\r\n" : "") + step.reply[i];
    if (step.reply.empty()) expected = "(none)";
    EXPECT_EQ(Shown(actual), Shown(expected));
    for (const Setting& s : step.settings) {
      const auto stored = zr2::ReadSettingValue(s.file, s.section, s.key);
      EXPECT_EQ(stored ? U8(*stored) : "(absent)", U8(s.value)) << U8(s.section) << " " << U8(s.key);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(All, VectorTest, testing::ValuesIn(LoadVectors()),
                         [](const testing::TestParamInfo<Vector>& info) {
                           std::string name = info.param.file.substr(0, info.param.file.find('.')) + "_" +
                                              std::to_string(info.param.line);
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
