#include <gtest/gtest.h>

#include "TestFolder.h"
#include "platform/Platform.h"

namespace zr2::platform {
namespace {

TEST(CodePage, RoundTripsJapaneseAndControls) {
  const std::string bytes = "\x1a\x1c\x7f\x82\xa0\x81\x60\x87\x40\x5c\x7e";  // あ ～ ① \ ~
  const std::u16string text = AnsiToText(bytes);
  EXPECT_EQ(text, u"\x1a\x1c\x7f" u"あ～①\\~");
  EXPECT_EQ(TextToAnsi(text), bytes);
  EXPECT_EQ(TextToAnsi(u"é"), "?");
  EXPECT_TRUE(IsAnsiRepresentable(u"アリス①"));
  EXPECT_FALSE(IsAnsiRepresentable(u"é"));
  EXPECT_TRUE(IsAnsiLeadByte(0x81));
  EXPECT_TRUE(IsAnsiLeadByte(0xFC));
  EXPECT_FALSE(IsAnsiLeadByte(0xA0));
  EXPECT_FALSE(IsAnsiLeadByte(0x7F));
}

TEST(Locale, CaseOfAllLetters) {
  EXPECT_EQ(LocaleUpperCase(u"taro ｔａｒｏ ä"), u"TARO ＴＡＲＯ Ä");
  EXPECT_TRUE(LocaleEqualsNoCase(u"ZephyrRealm2", u"zephyrrealm2"));
  EXPECT_TRUE(LocaleEqualsNoCase(u"ｚｒ", u"ＺＲ"));
  EXPECT_FALSE(LocaleEqualsNoCase(u"zr", u"ＺＲ"));
}

}  // namespace
}  // namespace zr2::platform
