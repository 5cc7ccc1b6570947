#include <gtest/gtest.h>

#include "IrcEncoding.h"

namespace zr2chat::irc {
namespace {

const std::string kJapanese = "アリス -> 2d6+3 = [4,5]+3 = 12 >= 10(成功) ﾊﾝｶｸ and ASCII";

WireEncoding Open(const char* name) {
  const auto encoding = WireEncoding::Open(name);
  EXPECT_TRUE(encoding) << name;
  return *encoding;
}

TEST(IrcEncoding, ConvertsAtTheBoundary) {
  const WireEncoding jis = Open("ISO-2022-JP");
  // ア is 0x2522 in JIS X 0208: the wire carries it between the two escape sequences.
  EXPECT_EQ(jis.Encode("ア"), "\x1b$B%\"\x1b(B");
  EXPECT_EQ(jis.Decode("#\x1b$B%@%$%9\x1b(B"), "#ダイス");
  EXPECT_EQ(jis.Decode(jis.Encode("ﾀﾞｲｽ")), "ダイス");  // half-width katakana widened, not lost
  const WireEncoding cp932 = Open("CP932");
  EXPECT_EQ(cp932.Encode("ア"), "\x83\x41");
  EXPECT_EQ(cp932.Decode(cp932.Encode(kJapanese)), kJapanese);
  // Bytes that are not UTF-8 cannot become characters; they are marked, not passed on.
  EXPECT_EQ(Open("UTF-8").Decode("a\xff"
                                 "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_FALSE(WireEncoding::Open("no-such-encoding"));
}

TEST(IrcEncoding, SplitLinesFitAndDecodeOnTheirOwn) {
  std::string text;
  for (int i = 0; i < 12; ++i) text += kJapanese + "、";
  for (const char* name : {"UTF-8", "ISO-2022-JP", "CP932"}) {
    const WireEncoding encoding = Open(name);
    const std::string head = "NOTICE #dice :";
    const auto lines = EncodeSplit(encoding, head, text, 120);
    ASSERT_GT(lines.size(), 4u) << name;
    std::string joined;
    for (const std::string& line : lines) {
      EXPECT_LE(line.size(), 120u) << name;
      ASSERT_EQ(line.compare(0, head.size(), head), 0) << name;
      // A piece cut inside a character, or left in a shifted state, would not decode to its own text.
      joined += encoding.Decode(line.substr(head.size()));
    }
    std::string expected = text;
    if (std::string(name) == "ISO-2022-JP")  // it has no half-width katakana
      for (size_t at; (at = expected.find("ﾊﾝｶｸ")) != std::string::npos;) expected.replace(at, 12, "ハンカク");
    EXPECT_EQ(joined, expected) << name;
    for (const std::string& line : lines) EXPECT_EQ(encoding.Encode(encoding.Decode(line)), line) << name;
  }
}

TEST(IrcEncoding, SplitPrefersBreaksBetweenDiceAndKeepsShortLinesWhole) {
  const WireEncoding utf8 = Open("UTF-8");
  std::string dice = "taro -> 100d6 = [";
  for (int i = 0; i < 100; ++i) dice += (i ? "," : "") + std::to_string(i % 6 + 1);
  dice += "] = 350";
  const auto lines = EncodeSplit(utf8, "NOTICE #t :", dice, 80);
  ASSERT_GT(lines.size(), 2u);
  for (size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i].back(), ',') << lines[i];

  EXPECT_EQ(EncodeSplit(utf8, "NOTICE #t :", "short", 80), std::vector<std::string>{"NOTICE #t :short"});
  EXPECT_EQ(EncodeSplit(utf8, "NOTICE #t :", "", 80), std::vector<std::string>{"NOTICE #t :"});
  // A head that leaves no room still moves on, one character per line.
  EXPECT_EQ(EncodeSplit(utf8, "NOTICE #t :", "アイ", 5).size(), 2u);
}

}  // namespace
}  // namespace zr2chat::irc
