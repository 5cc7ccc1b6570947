// Runs the behaviour vectors of tests/vectors/*.vec through the real C entries, in process
// (the format is described in support/Vectors.h).
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>

#include "Entries.h"
#include "TestFolder.h"
#include "Vectors.h"
#include "dice/RandomUnit.h"
#include "host/CIniLoader.h"
#include "platform/Platform.h"

namespace {

using zr2::test::U16;
using zr2::test::U8;
using zr2::vectors::Shown;
using zr2::vectors::SplitFields;
using zr2::vectors::Step;
using zr2::vectors::Vector;
using zr2::vectors::Visible;

struct Setting {
  zr2::SettingsFile file;
  std::u16string section, key, value;
};

Setting ToSetting(const zr2::vectors::SettingText& text) {
  return {text.host() ? zr2::SettingsFile::Host : zr2::SettingsFile::Library, U16(text.section), U16(text.key),
          U16(text.value)};
}

std::string Ansi(const std::string& utf8) { return zr2::platform::TextToAnsi(U16(utf8)); }

class VectorTest : public testing::TestWithParam<Vector> {};

TEST_P(VectorTest, Replies) {
  const Vector& v = GetParam();
  zr2::test::TestFolder folder;
  if (v.host) folder.InstallHostLibrary();
  for (const auto& text : v.ini) {
    const Setting s = ToSetting(text);
    zr2::WriteSetting(s.file, s.section, s.key, s.value);
  }
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
    EXPECT_EQ(Shown(actual), Shown(zr2::vectors::ExpectedReply(step)));
    for (const auto& text : step.settings) {
      const Setting s = ToSetting(text);
      const auto stored = zr2::ReadSettingValue(s.file, s.section, s.key);
      EXPECT_EQ(stored ? U8(*stored) : "(absent)", U8(s.value)) << U8(s.section) << " " << U8(s.key);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(All, VectorTest, testing::ValuesIn(zr2::vectors::LoadVectors(ZR2_VECTOR_DIR)),
                         [](const testing::TestParamInfo<Vector>& info) {
                           std::string name = info.param.file.substr(0, info.param.file.find('.')) + "_" +
                                              std::to_string(info.param.line);
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
