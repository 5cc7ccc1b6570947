#include <gtest/gtest.h>

#include <cstring>

#include "TestFolder.h"
#include "host/CDiceMode.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "platform/Platform.h"

namespace zr2 {
namespace {

using test::TestFolder;
using test::U16;
using test::U8;

TEST(SplitRequest, SpeakerChannelMessage) {
  const Request r = SplitRequest(u"taro #table 2d6+3  attack");
  EXPECT_EQ(r.speaker, u"taro");
  EXPECT_EQ(r.channel, u"#table");
  EXPECT_EQ(r.message, u"2d6+3  attack");
  const Request shortOne = SplitRequest(u"taro #table");
  EXPECT_EQ(shortOne.channel, u"#table");
  EXPECT_EQ(shortOne.message, u"");
  EXPECT_EQ(ReadRequest(nullptr).speaker, u"");
}

std::string Sent(std::u16string_view answer, std::u16string_view speaker, bool* written = nullptr) {
  char buffer[kReplyCapacity + 8];
  std::memset(buffer, 'X', sizeof buffer);
  const bool ok = SendReply(answer, u"#t", speaker, buffer);
  if (written) *written = ok;
  return buffer[0] == 'X' ? "(untouched)" : U8(platform::AnsiToText(buffer));
}

TEST(SendReply, NoticeLinesWithTheCharacterName) {
  TestFolder folder;
  WriteSetting(SettingsFile::Host, u"CharactersName", u"TARO", u"アリス");
  EXPECT_EQ(Sent(u"a\r\n\r\nb", u"taro2"), "NOTICE #t :アリス -> a\r\nNOTICE #t :アリス -> b");
  EXPECT_EQ(Sent(u"a\rb\nc", u""), "NOTICE #t :a\rb\nc");  // lone CR or LF is ordinary text
  EXPECT_EQ(Sent(u"x", u"hana"), "NOTICE #t :hana -> x");
  bool written = false;
  EXPECT_EQ(Sent(u"\r\n\r\n", u"taro", &written), "");
  EXPECT_TRUE(written);
  WriteSetting(SettingsFile::Host, u"CharactersName", u"TARO", u"");
  EXPECT_EQ(Sent(u"x", u"taro"), "NOTICE #t : -> x");
}

TEST(SendReply, NothingIsWrittenUnlessItFitsWhole) {
  TestFolder folder;
  const std::u16string head = u"NOTICE #t :";
  bool written = false;
  // 1023 bytes fit with the NUL; 1024 do not. "あ" is two bytes in the code page.
  EXPECT_EQ(Sent(std::u16string(1023 - head.size(), u'a'), u"", &written).size(), 1023u);
  EXPECT_TRUE(written);
  EXPECT_EQ(Sent(std::u16string(1024 - head.size(), u'a'), u"", &written), "(untouched)");
  EXPECT_FALSE(written);
  EXPECT_EQ(Sent(std::u16string(507, u'あ'), u"", &written), "(untouched)");
  EXPECT_EQ(Sent(std::u16string(506, u'あ'), u"", &written).size(), 11u + 506 * 3);
}

TEST(HostLibrary, AbsentLoadableAndAnswering) {
  TestFolder folder;
  HostTerm absent = EvaluateByHost(u"3B6", u"", false);
  EXPECT_FALSE(absent.evaluated);
  folder.InstallHostLibrary();
  const HostTerm term = EvaluateByHost(u"3B6", u"", false);
  EXPECT_TRUE(term.evaluated);
  EXPECT_EQ(term.echo, u"3B6");
  EXPECT_EQ(term.detail, u"[2,5,6]");
  EXPECT_EQ(term.value, 13);
  EXPECT_TRUE(term.optionsUsed);
  // Options the host takes are used on the first try and cut from an inherited echo.
  const HostTerm withOptions = EvaluateByHost(u"2B6", u"@5", true);
  EXPECT_TRUE(withOptions.optionsUsed);
  EXPECT_EQ(withOptions.echo, u"2B6");
  const HostTerm retried = EvaluateByHost(u"2B6", u"#9", false);
  EXPECT_FALSE(retried.optionsUsed);  // the second try, without options, answered
  EXPECT_EQ(retried.echo, u"2B6");
  EXPECT_FALSE(EvaluateByHost(u"xyz", u"", false).evaluated);

  char answer[64] = {};
  const std::u16string args[6] = {u"taro", u"#t", u"a@b", u"PRIVMSG", u"#t", u"#foo bar"};
  EXPECT_TRUE(CallHostCommand(args, answer));
  EXPECT_STREQ(answer, "NOTICE #t :host:foo bar");
  std::filesystem::remove(folder.path() / platform::kHostLibraryName);
  folder.Write(platform::kHostLibraryName, "not a library");
  EXPECT_FALSE(CallHostCommand(args, answer));
}

TEST(GameModes, AliasesNamesAndDefaults) {
  struct Case {
    const char* alias;
    GameModeId mode;
  };
  const Case cases[] = {{"", 1},      {"zr2", 1},   {"Zr2", 1},  {"ＺＲ２", 0}, {"ZR2.5", 0},   {"ZR25", 27},
                        {"zephyrrealm2.5", 27},     {"dnd", 9},  {"D&D", 9},    {"dd", 9},      {"coc", 25},
                        {"xyz", 0}, {"ガンダム", 5}, {"s=f", 22}, {"INO2", 16},  {"hmoon", 17}, {"tt", 12}};
  for (const Case& c : cases) EXPECT_EQ(ParseModeAlias(U16(c.alias)), c.mode) << c.alias;
  EXPECT_EQ(ModeName(0), u"不明");
  EXPECT_EQ(ModeName(99), u"不明");
  EXPECT_EQ(ModeName(1), u"ゼファーレルム2.0");
  EXPECT_EQ(DefaultSides(1), 6);
  EXPECT_EQ(DefaultCount(1), 2);
  EXPECT_EQ(DefaultCount(3), std::nullopt);
  EXPECT_EQ(DefaultSides(25), 100);
  EXPECT_EQ(DefaultSides(0), 6);

  TestFolder folder;
  EXPECT_EQ(GameMode(u"#fresh"), 1);
  WriteHostGameMode(u"#t", 25);
  EXPECT_EQ(ReadSettingValue(SettingsFile::Host, u"GameMode", u"#t"), u"");
  WriteHostGameMode(u"#t", 9);
  EXPECT_EQ(ReadSettingValue(SettingsFile::Host, u"GameMode", u"#t"), u"DND");
}

}  // namespace
}  // namespace zr2
