#include "commands/CCalc.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>

#include "commands/TableRoutes.h"
#include "counters/CounterLinks.h"
#include "dice/Arithmetic.h"
#include "dice/CDiceExecute.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "text/StringConvertUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

std::int32_t ClampToCounter(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::int32_t FloorToCounter(long double value) {
  const long double floored = std::floor(value);
  if (floored <= std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  if (floored >= std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(floored);
}

// The largest integer not above a plain decimal number (sign, digits, optional fraction), read
// from its digits so that no length or precision can distort it; nothing for any other text.
std::optional<std::int32_t> FloorOfDecimal(std::u16string_view text) {
  size_t i = 0;
  const bool negative = i < text.size() && text[i] == u'-';
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
  std::int64_t whole = 0;
  bool digits = false, fraction = false;
  for (; i < text.size() && IsDigit(text[i]); ++i, digits = true)
    whole = std::min<std::int64_t>(whole * 10 + (text[i] - u'0'), std::int64_t{1} << 40);
  if (i < text.size() && text[i] == u'.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i, digits = true) fraction |= text[i] != u'0';
  }
  if (!digits || i != text.size()) return std::nullopt;
  return ClampToCounter(negative ? -whole - (fraction ? 1 : 0) : whole);
}

// Route 1: switch the channel's game mode. Its answers carry no speaker.
bool IsModeWord(std::u16string_view word) { return SameText(word, u"mode"); }

RouteOutcome ModeCommand(const CalcCommand& command) {
  if (!IsUsableChannel(command.channel)) return RouteOutcome::Silent();
  std::u16string rest = command.rest;
  const std::u16string alias = NextToken(rest);
  const std::u16string old = ReadModeText(command.channel);
  const GameModeId from = ParseModeAlias(old), to = ParseModeAlias(alias);
  const auto shown = [](GameModeId mode, const std::u16string& typed) {
    return std::u16string(ModeName(mode)) + u"(" + typed + u")";
  };
  if (from == to)
    return RouteOutcome::ReplyWithoutSpeaker(u"このチャンネルのモードは既に[" + shown(from, old) + u"]にセットされています。");
  WriteModeText(command.channel, alias);
  WriteHostGameMode(command.channel, to);
  return RouteOutcome::ReplyWithoutSpeaker(u"モードを[" + shown(from, old) + u"] から [" + shown(to, alias) +
                                           u"]に変更しました。");
}

// Route 5: add a number or a roll, floored, to the speaker's counter.
bool IsCounterWord(std::u16string_view word) { return SameText(word, u"CNT") || SameText(word, u"Count"); }

RouteOutcome CounterCommand(const CalcCommand& command) {
  // Answering "0→5" for a counter that cannot be stored would report a failure as success.
  if (!CanHoldCounter(command.channel, command.speaker)) return RouteOutcome::Silent();
  std::u16string rest = command.rest;
  const std::u16string term = TrimBlanks(NextToken(rest));
  if (term.empty()) return RouteOutcome::Silent();
  std::int32_t delta = 0;
  std::u16string shown;
  if (const std::optional<std::int32_t> number = FloorOfDecimal(term)) {
    delta = *number;
    shown = FormatInteger(delta);
  } else if (const std::optional<long double> scaled = ReadDecimalNumber(term)) {
    // A number with an exponent (1e2) is still a plain number, not a roll.
    delta = FloorToCounter(*scaled);
    shown = FormatInteger(delta);
  } else {
    const TermEvaluation rolled = EvaluateTerm(term, command.channel, ClassifyTerm(term));
    if (!rolled.ok || !std::isfinite(rolled.value)) return RouteOutcome::Silent();
    delta = FloorToCounter(rolled.value);
    shown = rolled.full;
  }
  const CounterChange change = AddToCounterSaturated(command.channel, command.speaker, delta);
  return RouteOutcome::Reply(shown + u" （カウンタ：" + FormatInteger(change.before) + u"→" +
                             FormatInteger(change.after) + u"）");
}

// Route 24: arithmetic, or the host's library for anything this library does not understand.
bool AnyWord(std::u16string_view) { return true; }

RouteOutcome ArithmeticFallback(const CalcCommand& command) {
  const bool restIsExpression = !command.rest.empty() && !SameText(command.rest, u"calc");
  const std::u16string& expression = restIsExpression ? command.rest : command.word;
  if (const std::optional<long double> value = EvaluateArithmetic(expression))
    return RouteOutcome::Reply(expression + u" = " + FormatNumber(*value));
  return RouteOutcome::Forward();
}

// The route list, in test order: each route sits at its number. The dispatcher's own routes are
// 1, 5 and 24; the content tables' routes (TableRoutes.h) take the places 2-4 and 6-23.
constexpr CalcRoute kRoutes[] = {
    {1, IsModeWord, nullptr, ModeCommand},
    // 2-4: Table, Birth, Make (the mode word after the command word picks the game).
    {2, table_routes::IsTable, nullptr, table_routes::Table},
    {3, table_routes::IsBirth, nullptr, table_routes::Birth},
    {4, table_routes::IsMake, nullptr, table_routes::Make},
    {5, IsCounterWord, nullptr, CounterCommand},
    // 6-23: the Japanese table words, the divination names, お嬢様 and 花言葉, the でたとこサーガ
    // brand and bad-end words, and X の Y character making.
    {6, table_routes::IsVanish, IsZRMode, table_routes::Vanish},
    {7, table_routes::IsGeneralSkill, IsZRMode, table_routes::GeneralSkill},
    {8, table_routes::IsBind, IsZRMode, table_routes::Bind},
    {9, table_routes::IsBoost, IsZRMode, table_routes::Boost},
    {10, table_routes::IsMutation, IsZRMode, table_routes::Mutation},
    {11, table_routes::IsCurse, IsZRMode, table_routes::Curse},
    {12, table_routes::IsTreasure, IsZRMode, table_routes::Treasure},
    {13, table_routes::IsMedal, IsZRMode, table_routes::Medal},
    {14, table_routes::IsTarget, IsZRMode, table_routes::Target},
    {15, table_routes::IsUrge, table_routes::ParasiteBloodOnly, table_routes::Urge},
    {16, table_routes::IsDivination, nullptr, table_routes::Divination},
    {17, table_routes::IsFlowerLanguage, nullptr, table_routes::FlowerLanguage},
    {18, table_routes::IsOjousama, nullptr, table_routes::Ojousama},
    {19, table_routes::IsBrandHP, table_routes::DetatokoOnly, table_routes::BrandHP},
    {20, table_routes::IsBrandMP, table_routes::DetatokoOnly, table_routes::BrandMP},
    {21, table_routes::IsBadEndHP, table_routes::DetatokoOnly, table_routes::BadEndHP},
    {22, table_routes::IsBadEndMP, table_routes::DetatokoOnly, table_routes::BadEndMP},
    {23, table_routes::IsCharacterShorthand, IsZRFamily, table_routes::CharacterShorthand},
    {24, AnyWord, nullptr, ArithmeticFallback},
};

constexpr bool InTestOrder(std::span<const CalcRoute> routes) {
  int previous = 0;
  for (const CalcRoute& route : routes) {
    if (route.number <= previous) return false;
    previous = route.number;
  }
  return previous == 24 && routes.size() == 24;
}
static_assert(InTestOrder(kRoutes), "routes ascend by number and end with the arithmetic fallback (24)");

}  // namespace

std::span<const CalcRoute> CalcRoutes() { return kRoutes; }

RouteOutcome Dispatch(std::span<const CalcRoute> routes, const CalcCommand& command) {
  for (const CalcRoute& route : routes) {
    if (!route.test(command.word)) continue;
    if (route.modes != nullptr && !route.modes(GameMode(command.channel))) return RouteOutcome::Silent();
    return route.action(command);
  }
  return RouteOutcome::Silent();
}

CalcCommand PrepareCommand(std::u16string speaker, std::u16string channel, std::u16string_view message) {
  CalcCommand command{std::move(speaker), std::move(channel), {}, NormaliseRollText(message)};
  // The host's command sign, whatever it is.
  if (!command.rest.empty()) command.rest.erase(0, 1);
  command.word = NextToken(command.rest);
  return command;
}

void RunCalc(const std::u16string (&texts)[6], char* reply) {
  if (reply == nullptr) return;
  const std::u16string& speaker = texts[0];
  const std::u16string& channel = texts[4];
  if (!BotEnabled(channel)) return;
  const RouteOutcome outcome = Dispatch(CalcRoutes(), PrepareCommand(speaker, channel, texts[5]));
  switch (outcome.kind) {
    case RouteOutcome::Kind::Reply:
      SendReply(outcome.text, channel, outcome.withSpeaker ? std::u16string_view(speaker) : u"", reply);
      break;
    case RouteOutcome::Kind::Forward:
      CallHostCommand(texts, reply);
      break;
    case RouteOutcome::Kind::Silent:
      break;
  }
}

}  // namespace zr2

ZR2_ENTRY void ZR2_CALL Calc(const char* speaker, const char* hostChannel, const char* mask, const char* command,
                             const char* channel, const char* message, char* reply) {
  zr2::GuardEntry([&] {
    const std::u16string texts[6] = {zr2::FromAnsi(speaker), zr2::FromAnsi(hostChannel), zr2::FromAnsi(mask),
                                      zr2::FromAnsi(command), zr2::FromAnsi(channel),     zr2::FromAnsi(message)};
    zr2::RunCalc(texts, reply);
  });
}
