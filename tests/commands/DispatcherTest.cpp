#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TestFolder.h"
#include "commands/CCalc.h"
#include "host/CIniLoader.h"
#include "platform/Platform.h"

extern "C" void Calc(const char*, const char*, const char*, const char*, const char*, const char*, char*);

namespace zr2 {
namespace {

using test::TestFolder;
using test::U16;
using test::U8;

TEST(Dispatcher, PreparationNormalisesAndDropsTheCommandSign) {
  struct Case {
    const char* message;
    const char* word;
    const char* rest;
  };
  const Case cases[] = {
      {"#mode dx", "mode", "dx"},  {"＃ＣＮＴ　２．５", "CNT", "2.5"}, {"# 1+2", "", "1+2"},
      {"!calc", "calc", ""},       {"#", "", ""},                     {"", "", ""},
      {"x\"a b\" c", "a b", "c"},
  };
  for (const Case& c : cases) {
    const CalcCommand command = PrepareCommand(u"taro", u"#t", U16(c.message));
    EXPECT_EQ(U8(command.word), c.word) << c.message;
    EXPECT_EQ(U8(command.rest), c.rest) << c.message;
  }
}

// A stand-in route list shows the seam that the table routes use: a route that holds decides,
// and one whose game modes do not include the channel's ends the line instead of falling through.
RouteOutcome Answer(const CalcCommand& command) { return RouteOutcome::Reply(u"answer:" + command.word); }
RouteOutcome Fallback(const CalcCommand&) { return RouteOutcome::Reply(u"fallback"); }

constexpr CalcRoute kFixtureRoutes[] = {
    {1, [](std::u16string_view w) { return w == u"any"; }, nullptr, Answer},
    {2, [](std::u16string_view w) { return w.starts_with(u"zr"); }, IsZRMode, Answer},
    {24, [](std::u16string_view) { return true; }, nullptr, Fallback},
};

TEST(Dispatcher, FirstHoldingRouteDecidesAndItsModesAreFinal) {
  TestFolder folder;
  WriteModeText(u"#dx", u"DX");
  const auto run = [](const char16_t* word, const char16_t* channel) {
    const RouteOutcome outcome = Dispatch(kFixtureRoutes, CalcCommand{u"taro", channel, word, u""});
    return outcome.kind == RouteOutcome::Kind::Reply ? U8(outcome.text) : "(silent)";
  };
  EXPECT_EQ(run(u"any", u"#dx"), "answer:any");
  EXPECT_EQ(run(u"zrx", u"#zr"), "answer:zrx");
  EXPECT_EQ(run(u"zrx", u"#dx"), "(silent)");
  EXPECT_EQ(run(u"other", u"#dx"), "fallback");
}

std::string CallCalc(const std::string& channel, const std::string& message) {
  char reply[1024] = {};
  const std::string ansiChannel = platform::TextToAnsi(U16(channel));
  const std::string ansiMessage = platform::TextToAnsi(U16(message));
  Calc("taro", ansiChannel.c_str(), "taro!t@h", "PRIVMSG", ansiChannel.c_str(), ansiMessage.c_str(), reply);
  return U8(platform::AnsiToText(reply));
}

TEST(Dispatcher, ChannelTextCannotForgeSettings) {
  TestFolder folder;
  WriteSetting(SettingsFile::Host, u"CharactersName", u"TARO", u"アリス");
  const std::string forged = "#t\r\n[CharactersName]\r\nTARO=mallory\r\n[#t";
  EXPECT_NE(CallCalc(forged, "#CNT 5"), "");
  EXPECT_NE(CallCalc(forged, "#mode dx"), "");
  EXPECT_EQ(ReadSetting(SettingsFile::Host, u"CharactersName", u"TARO", u""), u"アリス");
  EXPECT_EQ(ReadCounter(U16(forged), u"taro"), 5);
  EXPECT_EQ(ReadModeText(U16(forged)), u"DX");
  EXPECT_EQ(ReadCounter(u"#t", u"taro"), std::nullopt);
  EXPECT_EQ(ReadModeText(u"#t"), u"");
}

TEST(Dispatcher, SurvivesAnyInput) {
  TestFolder folder;
  char reply[1024];
  std::memset(reply, 'x', sizeof reply);
  Calc(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, reply);
  Calc("taro", "#t", "m", "PRIVMSG", "#t", "#1+2", nullptr);
  const std::string huge = "#CNT " + std::string(100000, '9') + " " + std::string(100000, '(');
  Calc("taro", "#t", "m", "PRIVMSG", "#t", huge.c_str(), reply);
  EXPECT_EQ(ReadCounter(u"#t", u"taro"), 2147483647);
  const std::string nested = "#" + std::string(50000, '(') + "1" + std::string(50000, ')');
  std::memset(reply, 'x', sizeof reply);
  Calc("taro", "#t", "m", "PRIVMSG", "#t", nested.c_str(), reply);
  EXPECT_EQ(reply[0], 'x');  // too deep to evaluate, and no host library to forward to
}

}  // namespace
}  // namespace zr2
