#include <gtest/gtest.h>

#include <cmath>

#include "TestFolder.h"
#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"

namespace zr2 {
namespace {

using test::U16;
using test::U8;

TEST(TRandom, MatchesTheReferenceSequenceForSeed5489) {
  TRandom random(5489);
  EXPECT_EQ(random.NextWord(), 3499211612u);
  EXPECT_EQ(random.NextWord(), 581869302u);
  EXPECT_EQ(random.NextWord(), 3890346734u);
  EXPECT_EQ(random.NextWord(), 3586334585u);
  EXPECT_EQ(random.NextWord(), 545404204u);
  for (int i = 6; i < 625; ++i) random.NextWord();
  EXPECT_EQ(random.NextWord(), 4178893912u);
  for (int i = 626; i < 10000; ++i) random.NextWord();
  EXPECT_EQ(random.NextWord(), 4123659995u);

  TRandom dice(5489);
  EXPECT_EQ(dice.GetInteger(6), 2u);
  EXPECT_EQ(dice.GetInteger(0), 0u);
  TRandom reseeded(1);
  reseeded.SetSeed(5489);
  EXPECT_EQ(reseeded.Seed(), 5489u);
  EXPECT_EQ(reseeded.NextWord(), 3499211612u);
}

TEST(TRandom, RangesOfTheOtherDraws) {
  TRandom random(7);
  for (int i = 0; i < 2000; ++i) {
    const auto s = random.GetSignedInteger(3);
    EXPECT_GE(s, -3);
    EXPECT_LE(s, 3);
    const double r = random.GetReal(2.0);
    EXPECT_GE(r, 0.0);
    EXPECT_LE(r, 2.0);
    const double sr = random.GetSignedReal(1.5);
    EXPECT_GE(sr, -1.5);
    EXPECT_LE(sr, 1.5);
  }
  EXPECT_EQ(random.GetSignedInteger(0), 0);
}

TEST(SharedRandom, DrawsAndTheScriptSeam) {
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(1), 0);
  for (int i = 0; i < 200; ++i) {
    const int d = RollD6(2, 0);
    EXPECT_GE(d, 2);
    EXPECT_LE(d, 12);
  }
  EXPECT_EQ(RollD6(0, 7), 7);
  {
    ScopedDiceScript script({{6, 4}, {6, 5}, {6, 6}});
    const TwoDice two = Roll2D6();
    EXPECT_EQ(two.first, 4);
    EXPECT_EQ(two.second, 5);
    EXPECT_EQ(RollD6(1, 250), 0);  // kept to 8 bits
    EXPECT_EQ(script.Problem(), "");
  }
  {
    ScopedDiceScript script({{6, 1}});
    Random(10);
    EXPECT_NE(script.Problem(), "");  // wrong sides
  }
  {
    ScopedDiceScript script({{6, 1}});
    EXPECT_NE(script.Problem(), "");  // not drawn
  }
  {
    ScopedDiceScript script({});
    Random(6);
    EXPECT_NE(script.Problem(), "");  // drawn past the end
  }
}

TEST(Arithmetic, GrammarAndErrors) {
  struct Case {
    const char* text;
    std::optional<long double> value;
  };
  const Case cases[] = {
      {"1+2", 3},         {"1+2 ", 3},        {" 1+2", std::nullopt}, {"1 +2", std::nullopt},
      {"2^3^2", 512},     {"7%3", 1},         {"-7%3", -1},           {"7//2", 4},
      {"1+5//2", 3},      {"5//2+1", 4},      {"7//0", std::nullopt}, {"7/2*2", 7},
      {"(1+2", std::nullopt}, {"", std::nullopt}, {"-(2)", std::nullopt}, {"2*--3", std::nullopt},
      {"2*-3", -6},       {"10/4", 2.5},      {"1/0", std::nullopt},  {"2.", 2},
      {"+4", 4},          {"(1+2)^2", 9},     {"1e3", std::nullopt},  {"3//2//2", 1},
      {"10//3*2", std::nullopt},     {"1+x", std::nullopt}, {"(-2)^0.5", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto value = EvaluateArithmetic(U16(c.text));
    ASSERT_EQ(value.has_value(), c.value.has_value()) << c.text;
    if (value) {
      EXPECT_EQ(*value, *c.value) << c.text;
    }
  }
}

TEST(Arithmetic, HostileInputFailsQuietly) {
  EXPECT_FALSE(EvaluateArithmetic(std::u16string(100000, u'(')));
  std::u16string powers;
  for (int i = 0; i < 50000; ++i) powers += u"2^";
  EXPECT_FALSE(EvaluateArithmetic(powers + u"2"));
  EXPECT_FALSE(EvaluateArithmetic(u"9^9^9^9"));
  EXPECT_FALSE(EvaluateArithmetic(u"99999999999//1"));  // ceiling outside 32 bits
  // A literal beyond the widest float fails instead of reading as 0; one too small to tell from 0 is 0.
  EXPECT_FALSE(EvaluateArithmetic(u"1" + std::u16string(5000, u'0')));
  EXPECT_FALSE(EvaluateArithmetic(u"2+" + std::u16string(5000, u'9') + u".5"));
  EXPECT_EQ(EvaluateArithmetic(u"3+0." + std::u16string(5000, u'0') + u"1"), 3.0L);
  EXPECT_TRUE(EvaluateArithmetic(std::u16string(5000, u'9')) == std::nullopt ||
              std::isfinite(*EvaluateArithmetic(std::u16string(5000, u'9'))));
}

TEST(ReadWholeNumber, IntegersAndWholeArithmetic) {
  EXPECT_EQ(ReadWholeNumber(u"12").value, 12);
  EXPECT_TRUE(ReadWholeNumber(u"3*4"));
  EXPECT_EQ(ReadWholeNumber(u"3*4").value, 12);
  EXPECT_TRUE(ReadWholeNumber(u"7/7"));
  const WholeNumber half = ReadWholeNumber(u"7/2");
  EXPECT_FALSE(half);
  EXPECT_EQ(half.value, 3);  // still delivered
  EXPECT_FALSE(ReadWholeNumber(u"abc"));
  EXPECT_FALSE(ReadWholeNumber(u"3000000000"));
  EXPECT_EQ(ReadWholeNumber(u"-2147483648").value, -2147483648);
}

TEST(ReadDecimalNumber, PlainDecimalsOnly) {
  EXPECT_EQ(ReadDecimalNumber(u"2.7"), 2.7L);
  EXPECT_EQ(ReadDecimalNumber(u"-0.5"), -0.5L);
  EXPECT_EQ(ReadDecimalNumber(u"+3"), 3.0L);
  EXPECT_EQ(ReadDecimalNumber(u"3."), 3.0L);
  EXPECT_EQ(ReadDecimalNumber(u".5"), 0.5L);
  EXPECT_EQ(ReadDecimalNumber(u"1e2"), 100.0L);
  for (const char16_t* bad : {u"", u"-", u".", u"1+1", u" 1", u"1 ", u"1e", u"e5", u"2d6", u"1e99999"})
    EXPECT_EQ(ReadDecimalNumber(bad), std::nullopt) << U8(bad);
}

TEST(FormatNumber, FifteenSignificantDigits) {
  const std::pair<long double, const char*> cases[] = {
      {14, "14"},          {2.5, "2.5"},       {-3, "-3"},          {1.0L / 3, "0.333333333333333"},
      {1e16L, "1E16"},     {1e15L, "1E15"},    {999999999999999.0L, "999999999999999"},
      {1.5e-6L, "1.5E-6"}, {0.00001L, "0.00001"}, {0, "0"},          {-0.0L, "0"},
      {2.0L / 3, "0.666666666666667"}, {123456.789L, "123456.789"}, {-1.25e20L, "-1.25E20"},
      {0.1L, "0.1"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(U8(FormatNumber(value)), text);
}

}  // namespace
}  // namespace zr2
