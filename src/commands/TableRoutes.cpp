#include "commands/TableRoutes.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "characters/Backgrounds.h"
#include "characters/CharacterMaking.h"
#include "commands/OtherTables.h"
#include "dice/Arithmetic.h"
#include "dice/CDiceExecute.h"
#include "encounters/Encounters.h"
#include "encounters/PartyRegistration.h"
#include "tables/Hazards.h"
#include "tables/TableCommand.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2::table_routes {
namespace {

RouteOutcome ReplyOf(std::u16string text) { return RouteOutcome::Reply(std::move(text)); }

// The game a Table, Birth or Make line names: "-" for the channel's own, else an alias.
GameModeId ModeWord(std::u16string& rest, std::u16string_view channel) {
  const std::u16string word = NextToken(rest);
  return word == u"-" ? GameMode(channel) : ParseModeAlias(word);
}

// What is left of the command word after its leading word and the given prefixes and suffixes,
// each removed once when present, in order.
std::u16string Remainder(std::u16string_view word, size_t leading, std::initializer_list<std::u16string_view> prefixes,
                         std::initializer_list<std::u16string_view> suffixes) {
  std::u16string text(word.substr(std::min(leading, word.size())));
  for (std::u16string_view p : prefixes) DropPrefix(text, p);
  for (std::u16string_view s : suffixes) DropSuffix(text, s);
  return text;
}

// Empty means one; anything else must be a whole number, or the line stays silent.
std::optional<int> CountWord(const std::u16string& text) {
  if (text.empty()) return 1;
  const WholeNumber n = ReadWholeNumber(text);
  if (!n) return std::nullopt;
  return n.value;
}

constexpr size_t kTwo = 2;  // the two characters of 一般, 絡み, 強化, 変異, 呪い, 宝物, 勲章, 目標, 衝動

}  // namespace

bool IsTable(std::u16string_view word) { return SameText(word, u"Table"); }
bool IsBirth(std::u16string_view word) { return SameText(word, u"Birth"); }
bool IsMake(std::u16string_view word) { return SameText(word, u"Make"); }
bool IsVanish(std::u16string_view word) { return SameText(word, u"バニッシュ表"); }
bool IsGeneralSkill(std::u16string_view word) { return StartsText(u"一般", word); }
bool IsBind(std::u16string_view word) { return StartsText(u"絡み", word); }
bool IsBoost(std::u16string_view word) { return StartsText(u"強化", word); }
bool IsMutation(std::u16string_view word) { return StartsText(u"変異", word) || StartsText(u"魔神化", word); }
bool IsCurse(std::u16string_view word) { return StartsText(u"呪い", word); }
bool IsTreasure(std::u16string_view word) { return StartsText(u"宝物", word) || StartsText(u"宝箱", word); }
bool IsMedal(std::u16string_view word) { return StartsText(u"勲章", word); }
bool IsTarget(std::u16string_view word) { return StartsText(u"目標", word); }
bool IsUrge(std::u16string_view word) { return StartsStr(u"衝動", word); }
bool IsDivination(std::u16string_view word) { return DivinationIndex(word) >= 0; }
bool IsFlowerLanguage(std::u16string_view word) { return StartsText(u"花言葉", word); }
bool IsOjousama(std::u16string_view word) { return StartsText(u"お嬢様", word); }
bool IsBrandHP(std::u16string_view word) { return StartsStr(u"体力烙印", word); }
bool IsBrandMP(std::u16string_view word) { return StartsStr(u"気力烙印", word); }
bool IsBadEndHP(std::u16string_view word) { return StartsStr(u"体力バッドエンド", word); }
bool IsBadEndMP(std::u16string_view word) { return StartsStr(u"気力バッドエンド", word); }
bool IsCharacterShorthand(std::u16string_view word) { return Contains(u"の", word); }

bool ParasiteBloodOnly(GameModeId mode) { return mode == kModeParasiteBlood; }
bool DetatokoOnly(GameModeId mode) { return mode == kModeDetatoko; }

RouteOutcome Table(const CalcCommand& command) {
  std::u16string rest = command.rest;
  const GameModeId mode = ModeWord(rest, command.channel);
  if (IsZRMode(mode)) return ReplyOf(RunTableCommand(rest, command.channel));
  if (mode == kModeParasiteBlood) return ReplyOf(RollUrge(rest, command.speaker, command.channel));
  if (mode == kModeDetatoko) return ReplyOf(DetatokoTableCommand(rest));
  return RouteOutcome::Forward();
}

RouteOutcome Birth(const CalcCommand& command) {
  std::u16string rest = command.rest;
  if (!IsZRMode(ModeWord(rest, command.channel))) return RouteOutcome::Silent();
  return ReplyOf(ListBirths(TrimBlanks(NextToken(rest))));
}

RouteOutcome Make(const CalcCommand& command) {
  std::u16string rest = command.rest;
  const GameModeId mode = ModeWord(rest, command.channel);
  if (mode == kModeParasiteBlood) return ReplyOf(RollUrgeValues());
  if (!IsZRMode(mode)) return RouteOutcome::Forward();
  const std::u16string token = NextToken(rest);
  const bool v25 = mode == kModeZR25;
  if (Contains(u"の", token)) return ReplyOf(v25 ? MakeCharacterFrom25(token) : MakeCharacterFrom20(token));
  const std::u16string argument = TrimBlanks(token + u" " + rest);
  return ReplyOf(v25 ? MakeCharacter25(argument) : MakeCharacter20(argument));
}

RouteOutcome Vanish(const CalcCommand& command) { return ReplyOf(RunTableCommand(u"van", command.channel)); }

RouteOutcome GeneralSkill(const CalcCommand& command) {
  const auto count = CountWord(Remainder(command.word, kTwo, {u"技能", u"表"}, {u"個", u"つ"}));
  return count ? ReplyOf(GeneralSkills(*count)) : RouteOutcome::Silent();
}

RouteOutcome Bind(const CalcCommand& command) {
  if (!Remainder(command.word, kTwo, {u"部位", u"表"}, {}).empty()) return RouteOutcome::Silent();
  return ReplyOf(RunTableCommand(u"bind", command.channel));
}

RouteOutcome Boost(const CalcCommand& command) {
  const auto count = CountWord(Remainder(command.word, kTwo, {u"表"}, {u"個", u"つ", u"回"}));
  return count ? ReplyOf(RollMonsterBoost(*count)) : RouteOutcome::Silent();
}

RouteOutcome Mutation(const CalcCommand& command) {
  const auto count = CountWord(Remainder(command.word, kTwo, {u"化", u"表"}, {u"個", u"つ", u"回"}));
  if (!count) return RouteOutcome::Silent();
  if (ReadPartyRegistration(command.channel).rule == u"V")
    return ReplyOf(RollDemonTraits(TraitForm::Character, *count & 0xFF).Result);
  return ReplyOf(RollCursedLandMutations(*count));
}

RouteOutcome Curse(const CalcCommand&) { return ReplyOf(RollCurse()); }

RouteOutcome Treasure(const CalcCommand& command) {
  const std::u16string remainder = Remainder(command.word, kTwo, {u"表"}, {});
  if (const WholeNumber n = ReadWholeNumber(remainder)) {
    // More than four signs names no table; stop there rather than build a long word.
    const int signs = std::clamp(n.value, 0, 5);
    return ReplyOf(RunTableCommand(std::u16string(static_cast<size_t>(signs), u'$'), command.channel));
  }
  if (remainder.starts_with(u'$')) return ReplyOf(RunTableCommand(remainder, command.channel));
  return RouteOutcome::Silent();
}

RouteOutcome Medal(const CalcCommand& command) {
  const WholeNumber n = ReadWholeNumber(Remainder(command.word, kTwo, {u"表"}, {}));
  if (!n) return RouteOutcome::Silent();
  return ReplyOf(RunTableCommand(u"MGK " + FormatInteger(n.value), command.channel));
}

RouteOutcome Target(const CalcCommand& command) {
  const std::u16string remainder = Remainder(command.word, kTwo, {u"値", u"表"}, {});
  return ReplyOf(RunTableCommand(remainder + u" " + command.rest, command.channel));
}

RouteOutcome Urge(const CalcCommand& command) {
  std::u16string remainder = Remainder(command.word, kTwo, {u"表"}, {});
  const std::u16string level = NextToken(remainder);
  return ReplyOf(RollUrge(u"URGE" + level, command.speaker, command.channel));
}

RouteOutcome Divination(const CalcCommand& command) {
  const int index = DivinationIndex(command.word);
  std::u16string rest = command.rest;
  const std::u16string t = NextToken(rest);
  const auto truncated = [](long double v) {
    return static_cast<long long>(std::clamp<long double>(std::trunc(v), -1e15L, 1e15L));
  };
  if (const auto v = ReadDecimalNumber(t)) return ReplyOf(t + u" " + DivinationResult(index, u"", truncated(*v)));
  if (const auto v = EvaluateArithmetic(t))
    return ReplyOf(t + u" = " + FormatNumber(*v) + u" " + DivinationResult(index, u"", truncated(*v)));
  // A dice roll always follows the ZR rule here, whatever the channel plays.
  const TermEvaluation roll = EvaluateTermInMode(t, kModeZR2, 2);
  if (roll.ok && std::isfinite(roll.value))
    return ReplyOf(roll.echo + u" = " + roll.full + u" " + DivinationResult(index, roll.full, truncated(roll.value)));
  if (SameAsciiText(t, u"C") || SameAsciiText(t, u"F")) return ReplyOf(t + u" = " + DivinationResult(index, t, 0));
  return RouteOutcome::Silent();
}

RouteOutcome FlowerLanguage(const CalcCommand&) { return ReplyOf(RollFlowerLanguage()); }

RouteOutcome Ojousama(const CalcCommand& command) {
  const std::u16string remainder = Remainder(command.word, 3, {}, {});
  if (StartsStr(u"苗字", remainder)) return ReplyOf(RollOjousamaName(OjousamaName::Surname));
  if (StartsStr(u"名前", remainder)) return ReplyOf(RollOjousamaName(OjousamaName::GivenName));
  return ReplyOf(RollOjousamaName(OjousamaName::Full));
}

RouteOutcome BrandHP(const CalcCommand&) { return ReplyOf(DetatokoTableCommand(u"down hp")); }
RouteOutcome BrandMP(const CalcCommand&) { return ReplyOf(DetatokoTableCommand(u"down mp")); }
RouteOutcome BadEndHP(const CalcCommand&) { return ReplyOf(DetatokoTableCommand(u"dead hp")); }
RouteOutcome BadEndMP(const CalcCommand&) { return ReplyOf(DetatokoTableCommand(u"dead mp")); }

RouteOutcome CharacterShorthand(const CalcCommand& command) { return ReplyOf(MakeCharacterFrom20(command.word)); }

}  // namespace zr2::table_routes
