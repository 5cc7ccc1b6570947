// The table command: the first word picks a table, the next words are its arguments.
#include "tables/TableCommand.h"

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "characters/Backgrounds.h"
#include "characters/ImpurityFairy.h"
#include "encounters/Encounters.h"
#include "encounters/PartyRegistration.h"
#include "host/CIniLoader.h"
#include "tables/Hazards.h"
#include "tables/Treasure.h"
#include "text/StringConvertUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

bool IsWord(std::u16string_view word, std::initializer_list<std::u16string_view> names) {
  for (const std::u16string_view name : names)
    if (SameAsciiText(word, name)) return true;
  return false;
}

// The number of "$" signs when the word is one to four of them after prefix (either case), else 0.
int DollarGrade(std::u16string_view word, std::u16string_view prefix) {
  if (word.size() <= prefix.size() || !SameAsciiText(word.substr(0, prefix.size()), prefix)) return 0;
  const std::u16string_view signs = word.substr(prefix.size());
  if (signs.size() > 4 || signs.find_first_not_of(u'$') != std::u16string_view::npos) return 0;
  return static_cast<int>(signs.size());
}

// The channel's scenario letter: C, G or V (any case), anything else is Mist Castle.
char16_t ScenarioLetter(std::u16string_view channel) {
  const std::u16string rule = ReadPartyRegistration(channel).rule;
  if (SameAsciiText(rule, u"C")) return u'C';
  if (SameAsciiText(rule, u"G")) return u'G';
  if (SameAsciiText(rule, u"V")) return u'V';
  return u'M';
}

class Words {
 public:
  explicit Words(std::u16string_view text) : rest_(text) {}
  std::u16string Next() { return NextToken(rest_); }
  std::int32_t NextInteger(std::int32_t fallback) { return ReadPlainInteger(Next()).value_or(fallback); }
  const std::u16string& rest() const { return rest_; }

 private:
  std::u16string rest_;
};

// Vice City treasure: an explicit modifier, or one less than the number of "$" signs.
std::u16string ViceCityTreasure(Words& words, int grade) {
  const std::int32_t modifier = words.NextInteger(0);
  return RollViceCityTreasure(modifier == 0 ? grade - 1 : modifier);
}

std::u16string LLTreasure(const std::u16string& word) {
  if (word.size() == 1) return RollLLTreasure(word[0], 0);
  if (word.size() == 2 && IsDigit(word[1])) return RollLLTreasure(word[0], word[1] - u'0');
  return {};
}

bool IsTreasureDropWord(std::u16string_view word) {
  if (word.size() != 2 || word[0] != u'$') return false;
  const char16_t letter = AsciiUpper(word[1]);
  return letter >= u'A' && letter <= u'L';
}

std::u16string Trap(Words& words, std::u16string_view channel) {
  const std::u16string table = words.Next();
  if (table == u"A" || table == u"B" || table == u"C") return RollTrap(table[0]);
  if (table == u"V" || ScenarioLetter(channel) == u'V') return RollViceCityTrap(channel);
  return {};
}

// The second letter of mA, cB, gC, vA ... names the difficulty; the first the scenario.
std::optional<char16_t> ScenarioOfCheckWord(std::u16string_view word) {
  if (word.size() != 2) return std::nullopt;
  const char16_t scenario = AsciiUpper(word[0]);
  const char16_t difficulty = AsciiUpper(word[1]);
  if (scenario != u'M' && scenario != u'C' && scenario != u'G' && scenario != u'V') return std::nullopt;
  if (difficulty < u'A' || difficulty > u'C') return std::nullopt;
  return scenario;
}

std::int32_t GeneralSkillCount(const std::u16string& word) {
  if (word.empty()) return 1;
  return ReadPlainInteger(word).value_or(-1);
}

std::u16string Transformation(Words& words, std::u16string_view channel) {
  const std::u16string countWord = words.Next();
  const std::u16string modifierWord = words.Next();
  const std::int32_t count = ReadPlainInteger(countWord).value_or(0);
  if (ScenarioLetter(channel) == u'V') return RollDemonTraits(TraitForm::Character, count).Result;
  if (const std::optional<std::int32_t> modifier = ReadPlainInteger(modifierWord))
    return RollMutationCount(count, *modifier);
  return RollCursedLandMutations(count);
}

std::u16string Fairy(Words& words) {
  const std::u16string word = FullWidthLettersToAscii(words.Next());
  return word.empty() ? std::u16string() : FairyMischief(word[0]);
}

}  // namespace

std::u16string RunTableCommand(std::u16string_view text, std::u16string_view channel) {
  Words words(text);
  const std::u16string word = words.Next();

  if (IsWord(word, {u"van", u"pan", u"ban"})) return RollVanish();
  if (IsWord(word, {u"treasure", u"tr"})) return LLTreasure(words.Next());
  if (const int grade = DollarGrade(word, u"")) {
    switch (ScenarioLetter(channel)) {
      case u'C':
        return RollCursedLandTreasure(grade);
      case u'G':
        return RollMistGraveTreasure(grade);
      case u'V':
        return ViceCityTreasure(words, grade);
      default:
        return RollMistCastleTreasure(grade);
    }
  }
  if (const int grade = DollarGrade(word, u"m")) return RollMistCastleTreasure(grade);
  if (const int grade = DollarGrade(word, u"c")) return RollCursedLandTreasure(grade);
  if (const int grade = DollarGrade(word, u"g")) return RollMistGraveTreasure(grade);
  if (const int grade = DollarGrade(word, u"v")) return ViceCityTreasure(words, grade);
  if (IsTreasureDropWord(word)) return RollTreasureDrop(word);
  if (IsWord(word, {u"live", u"Birth"})) return BackgroundRows(words.NextInteger(3));
  if (IsWord(word, {u"trap"})) return Trap(words, channel);
  if (IsWord(word, {u"enemy", u"en"})) {
    const std::u16string scenario = words.Next();
    const std::u16string category = words.Next();
    return RollScenarioEncounter(scenario, category, words.rest());
  }
  if (IsWord(word, {u"A", u"B", u"C"}))
    return RollScenarioCheck(channel, std::nullopt, AsciiUpper(word[0]), words.rest());
  if (const std::optional<char16_t> scenario = ScenarioOfCheckWord(word))
    return RollScenarioCheck(channel, *scenario, AsciiUpper(word[1]), words.rest());
  if (IsWord(word, {u"F"})) return RollDamageBonus();
  if (IsWord(word, {u"ge", u"ip", u"form", u"for", u"formal"})) return GeneralSkills(GeneralSkillCount(words.Next()));
  if (IsWord(word, {u"heni", u"変異", u"魔神化"})) return Transformation(words, channel);
  if (IsWord(word, {u"boost", u"強化"})) return RollMonsterBoost(words.NextInteger(1));
  if (IsWord(word, {u"bind", u"karami"})) return RollBindLocation(words.NextInteger(0));
  if (IsWord(word, {u"fairy"})) return Fairy(words);
  if (IsWord(word, {u"Kegare", u"K"})) return ImpurityRoll(words.NextInteger(0));
  if (IsWord(word, {u"curse"})) return RollCurse();
  if (IsWord(word, {u"Kunshou", u"MGK"})) return RollMedals(words.NextInteger(0));
  // Any other word names a scenario: G and C their books, everything else Mist Castle and the rest.
  const std::u16string category = words.Next();
  return RollScenarioEncounter(word, category, words.rest());
}

}  // namespace zr2
