#include <gtest/gtest.h>

#include "TestFolder.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "platform/Platform.h"

namespace zr2 {
namespace {

using test::TestFolder;
using test::U16;
using test::U8;

constexpr auto kLib = SettingsFile::Library;
constexpr auto kHost = SettingsFile::Host;

std::string Ansi(const char* utf8) { return platform::TextToAnsi(U16(utf8)); }

TEST(Settings, WindowsProfileSemantics) {
  TestFolder folder;
  folder.Write("RA2ZOV.ini", Ansi("[#Table]\r\nMode = \"dx\" \r\nEmpty=\r\nName=  花子  \r\n\r\n[Other]\r\nMode=GG\r\n"));
  EXPECT_EQ(ReadSetting(kLib, u"#table", u"MODE", u"-"), u"dx");  // case, blanks and quotes
  EXPECT_EQ(ReadSetting(kLib, u"#table", u"Empty", u"-"), u"");    // present but empty is not absent
  EXPECT_EQ(ReadSetting(kLib, u"#table", u"Name", u"-"), u"花子");
  EXPECT_EQ(ReadSetting(kLib, u"#table", u"Missing", u"-"), u"-");
  EXPECT_EQ(ReadSetting(kLib, u"#none", u"Mode", u"-"), u"-");
  EXPECT_EQ(ReadSetting(kHost, u"#table", u"Mode", u"-"), u"-");  // no file

  // A write replaces in place and keeps every other byte, including the key's own spelling.
  WriteSetting(kLib, u"#TABLE", u"mode", u"ZR2");
  EXPECT_EQ(folder.Read("RA2ZOV.ini"), Ansi("[#Table]\r\nMode=ZR2\r\nEmpty=\r\nName=  花子  \r\n\r\n[Other]\r\nMode=GG\r\n"));
  WriteSetting(kLib, u"#table", u"New", u"1");
  WriteSetting(kLib, u"#third", u"Key", u"v");
  EXPECT_EQ(folder.Read("RA2ZOV.ini"),
            Ansi("[#Table]\r\nMode=ZR2\r\nEmpty=\r\nName=  花子  \r\nNew=1\r\n\r\n[Other]\r\nMode=GG\r\n[#third]\r\nKey=v\r\n"));
  DeleteSetting(kLib, u"#table", u"empty");
  DeleteSection(kLib, u"other");
  EXPECT_EQ(folder.Read("RA2ZOV.ini"), Ansi("[#Table]\r\nMode=ZR2\r\nName=  花子  \r\nNew=1\r\n\r\n[#third]\r\nKey=v\r\n"));
}

TEST(Settings, IntegersReadLikeTheWindowsReader) {
  TestFolder folder;
  folder.Write("RA2ZOV.ini", "[c]\r\na=12abc\r\nb=-7\r\nc=abc\r\nd=\r\ne=+3\r\nf=99999999999\r\n");
  EXPECT_EQ(ReadIntSetting(kLib, u"c", u"a", 5), 12);
  EXPECT_EQ(ReadIntSetting(kLib, u"c", u"b", 5), -7);
  EXPECT_EQ(ReadIntSetting(kLib, u"c", u"c", 5), 0);
  EXPECT_EQ(ReadIntSetting(kLib, u"c", u"d", 5), 5);
  EXPECT_EQ(ReadIntSetting(kLib, u"c", u"e", 5), 3);
  EXPECT_EQ(ReadIntSetting(kLib, u"c", u"f", 5), 2147483647);  // clamped, never wrapped
  EXPECT_EQ(ReadIntSetting(kLib, u"c", u"missing", 5), 5);
}

TEST(Settings, ValuesAreCutAt511Characters) {
  TestFolder folder;
  WriteSetting(kHost, u"CharactersName", u"TARO", std::u16string(600, u'名'));
  EXPECT_EQ(ReadSetting(kHost, u"CharactersName", u"TARO", u""), std::u16string(511, u'名'));
}

TEST(Settings, NoTextForgesStructure) {
  TestFolder folder;
  WriteSetting(kHost, u"#table", u"TARO", u"1");
  const std::u16string keys[] = {u"[GM]TARO", u"A=B", u"LINE\r\n[X]", u" pad ", u"%41", u"x]y"};
  const std::u16string values[] = {u"v\r\n[Y]\r\nZ=1", u"\"quoted\"", u"  padded  ", u"%0D", u"a=b"};
  for (const auto& key : keys) WriteSetting(kHost, u"#table", key, key + u"!");
  for (const auto& value : values) WriteSetting(kHost, u"#table", u"V" + value.substr(0, 1), value);
  WriteSetting(kHost, u"[#a]b]", u"K", u"sec");
  for (const auto& key : keys) EXPECT_EQ(ReadSetting(kHost, u"#table", key, u"-"), key + u"!") << U8(key);
  for (const auto& value : values) EXPECT_EQ(ReadSetting(kHost, u"#table", u"V" + value.substr(0, 1), u"-"), value);
  EXPECT_EQ(ReadSetting(kHost, u"[#a]b]", u"K", u"-"), u"sec");
  EXPECT_EQ(ReadSetting(kHost, u"#table", u"TARO", u"-"), u"1");
  EXPECT_EQ(ReadSetting(kHost, u"GM", u"TARO", u"-"), u"-");
  EXPECT_EQ(ReadSetting(kHost, u"X", u"", u"-"), u"-");
  // The only section headers in the file are the two written as sections.
  const std::string file = folder.Read("Vellum.ini");
  int headers = 0;
  for (size_t start = 0; start < file.size(); start = file.find("\r\n", start) + 2)
    headers += file[start] == '[';
  EXPECT_EQ(headers, 2) << file;
}

TEST(Settings, NamesTheCodePageCannotHoldAreNeverStored) {
  TestFolder folder;
  WriteSetting(kHost, u"#table", u"TARO", u"1");
  WriteSetting(kHost, u"#table", u"T\u00C5RO", u"2");  // would be stored as T?RO
  WriteSetting(kHost, u"#table", u"T?RO", u"3");
  EXPECT_EQ(ReadSetting(kHost, u"#table", u"T\u00C5RO", u"-"), u"-");
  EXPECT_EQ(ReadSetting(kHost, u"#table", u"T?RO", u"-"), u"3");
}

TEST(Settings, WritesReplaceTheWholeFileAtOnce) {
  TestFolder folder;
  for (int i = 0; i < 50; ++i) WriteIntSetting(kHost, u"#table", u"K" + std::u16string(1, u'A' + i % 26), i);
  // Only the settings file is left behind: every write went through a temporary in the same folder.
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 1u);
  EXPECT_EQ(ReadIntSetting(kHost, u"#table", u"KX", -1), 49);
  // A write that cannot be done (here: the folder is gone) is lost quietly.
  const std::filesystem::path gone = folder.path() / "gone";
  ScopedLibraryFolder missing(gone);
  WriteIntSetting(kHost, u"#table", u"KA", 1000);
  EXPECT_FALSE(std::filesystem::exists(gone));
}

TEST(Settings, ChannelSwitchAndMode) {
  TestFolder folder;
  EXPECT_TRUE(BotEnabled(u"#table"));
  SetBotEnabled(u"#table", false);
  EXPECT_FALSE(BotEnabled(u"#table"));
  SetBotEnabled(u"#table", true);
  EXPECT_TRUE(BotEnabled(u"#table"));
  EXPECT_EQ(ReadSettingValue(kLib, u"#table", u"UnExecutable"), std::nullopt);
  WriteSetting(kLib, u"#table", u"UnExecutable", u"2");
  EXPECT_FALSE(BotEnabled(u"#table"));
  WriteModeText(u"#table", u"zr2.5ｚ");
  EXPECT_EQ(ReadModeText(u"#table"), u"ZR2.5ｚ");  // ASCII letters only
}

TEST(Counters, CharacterKeysAndNames) {
  TestFolder folder;
  EXPECT_EQ(CharacterKey(u"taro"), u"TARO");
  EXPECT_EQ(CharacterKey(u"Taro_2"), u"TARO");
  EXPECT_EQ(CharacterKey(u"ｔａｒｏ"), u"ＴＡＲＯ");
  EXPECT_EQ(CharacterKey(u"12_3"), u"");
  EXPECT_EQ(CharacterName(u"taro_2"), u"taro_2");
  WriteSetting(kHost, u"CharactersName", u"TARO", u"アリス");
  EXPECT_EQ(CharacterName(u"taro_2"), u"アリス");
  WriteSetting(kHost, u"CharactersName", u"TARO", u"");
  EXPECT_EQ(CharacterName(u"taro"), u"");
}

TEST(Counters, AddingStaysWithin32Bits) {
  TestFolder folder;
  EXPECT_EQ(ReadCounter(u"#t", u"taro"), std::nullopt);
  EXPECT_EQ(AddToCounter(u"#t", u"taro", 5), 0);
  EXPECT_EQ(ReadCounter(u"#t", u"TARO_"), 5);
  WriteSetting(kHost, u"#t", u"HANA", u"x");
  EXPECT_EQ(ReadCounter(u"#t", u"hana"), std::nullopt);
  EXPECT_EQ(CounterOrZero(u"#t", u"hana"), 0);
  WriteCounter(u"#t", u"taro", 2147483600);
  EXPECT_EQ(AddToCounter(u"#t", u"taro", 100), 2147483600);
  EXPECT_EQ(ReadCounter(u"#t", u"taro"), 2147483647);
  ClearCounters(u"#t");
  EXPECT_EQ(ReadCounter(u"#t", u"taro"), std::nullopt);
}

TEST(Counters, TheFilesOwnSectionsAreNoChannels) {
  TestFolder folder;
  WriteSetting(kHost, u"CharactersName", u"TARO", u"アリス");
  AddToCounter(u"charactersname", u"taro", 5);
  WriteModeText(u"GameMode", u"dx");
  SetBotEnabled(u"DefaultCounters", false);
  ClearCounters(u"CharactersName");
  EXPECT_EQ(CharacterName(u"taro"), u"アリス");
  EXPECT_EQ(ReadCounter(u"CharactersName", u"taro"), std::nullopt);
  EXPECT_EQ(folder.Read("RA2ZOV.ini"), "");
  EXPECT_TRUE(BotEnabled(u"DefaultCounters"));
}

}  // namespace
}  // namespace zr2
