#include <gtest/gtest.h>

#include <array>

#include "TestFolder.h"
#include "text/StringConvertUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

using test::U16;
using test::U8;

struct TokenCase {
  const char* text;
  const char* token;
  const char* rest;
};

TEST(NextToken, QuotesParenthesesAndBlanks) {
  const TokenCase cases[] = {
      {"taro #table 2d6", "taro", "#table 2d6"},
      {"\"two words\" rest", "two words", "rest"},
      {"\"abc\"", "abc", ""},
      {"\"abc", "\"abc", ""},        // no closing quote: the whole text
      {"\" abc", "", "abc"},         // the opening quote closes at once
      {"\"a\"b c\" d", "a\"b c", "d"},  // only a quote before a blank closes
      {"(a b) c", "a b", "c"},
      {"(a)b c", "(a)b c", ""},      // ")" not followed by a blank closes nothing
      {"((1+2)*3) x", "(1+2)*3", "x"},
      {"（1+2） x", "1+2", "x"},
      {"(1+2)", "1+2", ""},
      {"2d6　攻撃", "2d6", "攻撃"},
      {"  abc", "", "abc"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    std::u16string text = U16(c.text);
    EXPECT_EQ(U8(NextToken(text)), c.token) << c.text;
    EXPECT_EQ(U8(text), c.rest) << c.text;
  }
}

TEST(Cut, SplitsAtTheFirstSeparator) {
  std::u16string text = u"a -> b -> c";
  EXPECT_EQ(Cut(text, u" -> "), u"a");
  EXPECT_EQ(text, u"b -> c");
  text = u"abc";
  EXPECT_EQ(Cut(text, u"x"), u"abc");
  EXPECT_EQ(text, u"");
  text = u"abc";
  EXPECT_EQ(Cut(text, u""), u"abc");
}

TEST(Trim, BlanksIncludeControlsAndTheIdeographicSpace) {
  EXPECT_EQ(TrimBlanks(u"\u3000\t a b \r\n"), u"a b");
  EXPECT_EQ(TrimBlanks(u" \u3000 "), u"");
  EXPECT_EQ(TrimControls(u"\u3000a "), u"\u3000a");
}

TEST(Search, PositionsAndCase) {
  EXPECT_EQ(FindText(u"b", u"abcb", 2, false), 3u);
  EXPECT_EQ(FindText(u"B", u"abcb", 0, false), kNotFound);
  EXPECT_EQ(FindText(u"B", u"abcb", 0, true), 1u);
  EXPECT_EQ(FindText(u"ｂ", u"aＢ", 0, true), 1u);  // full-width letters fold too
  EXPECT_EQ(FindText(u"", u"abc", 0, false), kNotFound);
  EXPECT_EQ(FindText(u"a", u"abc", 3, false), kNotFound);
  EXPECT_EQ(CountOccurrences(u"aa", u"aaaa", false), 3);
  EXPECT_EQ(CountOccurrences(u"aa", u"aaaa", true), 2);
  EXPECT_TRUE(StartsText(u"ＺＲ", u"ｚｒ2"));  // locale comparison folds full-width Latin
  EXPECT_FALSE(StartsText(u"abc", u"ab"));
  EXPECT_TRUE(EndsText(u"ZR2", u"mode zr2"));
  EXPECT_TRUE(StartsStr(u"衝動", u"衝動表"));
  EXPECT_FALSE(StartsStr(u"A", u"abc"));
  EXPECT_EQ(IndexOfText(u"zr2", {u"ZR", u"ZR2"}), 1);
  EXPECT_EQ(IndexOfText(u"ＺＲ２", {u"ZR2"}), -1);  // width is not folded
  EXPECT_EQ(IndexOfStr(u"zr2", {u"ZR2", u"zr2"}), 1);
  EXPECT_TRUE(SameAsciiText(u"DICE_ON", u"dice_on"));
  EXPECT_FALSE(SameAsciiText(u"ｄ", u"Ｄ"));
}

TEST(MultiReplace, EarlierEntriesWinAndReplacedTextIsNotRescanned) {
  const std::array<std::u16string_view, 2> from{u"aa", u"a"}, to{u"x", u"y"};
  EXPECT_EQ(MultiReplace(u"aaa", from, to, true, false), u"xy");
  EXPECT_EQ(MultiReplace(u"aaa", from, to, false, false), u"xa");
  const std::array<std::u16string_view, 1> a{u"a"}, aa{u"aa"};
  EXPECT_EQ(MultiReplace(u"aa", a, aa, true, false), u"aaaa");
  const std::array<std::u16string_view, 1> upper{u"A"};
  const std::array<std::u16string_view, 1> y{u"y"};
  EXPECT_EQ(MultiReplace(u"abA", upper, y, true, true), u"yby");
  const std::array<std::u16string_view, 2> mismatched{u"a", u"b"};
  EXPECT_EQ(MultiReplace(u"ab", mismatched, a, true, false), u"ab");
  EXPECT_EQ(ReplaceAllText(u"Abcabc", u"ABC", u"x"), u"xx");
  std::u16string every = u"aXbxc";
  ReplaceEvery(every, u"x", u"xx");
  EXPECT_EQ(every, u"axxbxxc");
}

TEST(Normalise, FullWidthRollText) {
  EXPECT_EQ(NormaliseRollText(u"２ｄ６＋３"), u"2d6+3");
  EXPECT_EQ(NormaliseRollText(u"1･2"), u"1/2");
  EXPECT_EQ(NormaliseRollText(u"ＲＡＴＥ２０＠１０！＃＄％＆’”＿（）［］＜＞｛｝－＊＝．，；：｜￥\u3000"),
            u"RATE20@10!#$%&'\"_()[]<>{}-*=.,;:|\\ ");
  EXPECT_EQ(UpperCaseLetters(u"abｚé"), u"ABＺé");
  EXPECT_EQ(DeleteCopy(u"abcdef", 1, 2), u"adef");
}

}  // namespace
}  // namespace zr2
