// The scenario books' 2d6 check against a target from the level and a difficulty letter.
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>

#include "dice/Arithmetic.h"
#include "dice/GameRules.h"
#include "encounters/Encounters.h"
#include "encounters/PartyRegistration.h"
#include "encounters/cstZR2JudgeTable.h"
#include "text/StringConvertUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

constexpr int kMaxLevel = 255;

int TargetFor(char16_t scenario, int level, char16_t difficulty) {
  const int bonus = difficulty == u'B' ? 2 : difficulty == u'C' ? 4 : 0;
  const auto mistCastle = [&](int cap) {
    return bonus + kMistCastleTargets[std::min(level, cap) - kMistCastleFirstTargetLevel];
  };
  const auto cursedLand = [&](int lv) {
    if (lv <= 1) return 0;
    return bonus + kCursedLandTargets[std::min(lv, 15) - kCursedLandFirstTargetLevel];
  };
  switch (scenario) {
    case u'C':
      return cursedLand(level);
    case u'G':
      return cursedLand(std::min(level, 13));
    case u'V':
      return mistCastle(6);
    default:
      return mistCastle(8);
  }
}

std::u16string_view HeadingOf(char16_t scenario) {
  switch (scenario) {
    case u'C':
      return u"カースドランド ";
    case u'G':
      return u"ミストグレイヴ";
    case u'V':
      return u"ヴァイスシティ";
    default:
      return u"ミストキャッスル ";
  }
}

std::u16string LowerAscii(std::u16string text) {
  for (char16_t& c : text)
    if (c >= u'A' && c <= u'Z') c += u'a' - u'A';
  return text;
}

}  // namespace

std::u16string RollScenarioCheck(std::u16string_view channel, std::optional<char16_t> scenario, char16_t difficulty,
                                 std::u16string_view rest) {
  const PartyRegistration party = ReadPartyRegistration(channel);
  char16_t letter = u'M';
  if (scenario)
    letter = *scenario;
  else if (!party.rule.empty())
    letter = party.rule[0];
  letter = AsciiUpper(letter);

  std::u16string words(rest);
  const std::optional<long double> written = ReadDecimalNumber(NextToken(words));
  const std::u16string expression = NextToken(words);

  // Levels past the tables' 8-bit range are refused rather than wrapped into a small one.
  long double level = 0;
  if (letter == u'V')
    level = written ? std::trunc(*written) : (static_cast<long double>(party.level) + 4) / 10;
  else
    level = std::trunc((written ? *written : static_cast<long double>(party.level)) + 0.5L);
  level = std::trunc(level);
  if (!(level >= 1 && level <= kMaxLevel)) return {};
  const int lv = static_cast<int>(level);

  const int target = TargetFor(letter, lv, difficulty);
  std::u16string result = std::u16string(HeadingOf(letter)) + u"Lv." + FormatInteger(lv) + u" " +
                          std::u16string(1, difficulty) + u"判定 目標値: " + FormatInteger(target);
  if (expression.empty()) return result;
  const GameTermResult roll = RollGameTerm(LowerAscii(expression), kModeZR, false);
  if (!roll.ok) return result;

  result += u" " + roll.full + u" ";
  if (roll.full.find(u"ゾロ)\x02") != std::u16string::npos)
    result += roll.full.find(u"６ゾロ") != std::u16string::npos ? u"自動成功！" : u"自動失敗...";
  else
    result += std::floor(roll.value) < target ? u"失敗..." : u"成功！";
  return result;
}

}  // namespace zr2
