#include "characters/AbilityGrowth.h"

#include <algorithm>
#include <array>
#include <functional>

#include "characters/CstZR2StatusUp.h"
#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "host/CDiceMode.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

// No reply carries more results than its buffer has bytes; listing more only costs time.
constexpr int kMostListed = static_cast<int>(kReplyCapacity);
// A summary of more trials would keep the host waiting for seconds.
constexpr int kMostCountedTrials = 100'000'000;

std::u16string GrowthResult(int lower, int higher) {
  if (lower == higher) return std::u16string(GrowthAbilityName(lower));
  return std::u16string(GrowthAbilityName(lower)) + u" ／ " + std::u16string(GrowthAbilityName(higher));
}

std::u16string OneGrowth() {
  const TwoDice dice = Roll2D6();
  return GrowthResult(std::min(dice.first, dice.second), std::max(dice.first, dice.second));
}

std::u16string OneHeroProof() { return std::u16string(GrowthAbilityName(D6())); }

// Results in brackets, five to a line, each line after a line break.
std::u16string ListedResults(int count, const std::function<std::u16string()>& draw) {
  std::u16string text;
  for (int i = 0; i < std::min(count, kMostListed); ++i) text += (i % 5 == 0 ? u"\r\n[" : u"[") + draw() + u"]";
  return text;
}

std::u16string CountedGrowth(int count) {
  if (count > kMostCountedTrials) return {};
  std::array<std::array<int, 7>, 7> tally{};
  for (int i = 0; i < count; ++i) {
    const TwoDice dice = Roll2D6();
    ++tally[std::min(dice.first, dice.second)][std::max(dice.first, dice.second)];
  }
  std::u16string text = u"【ＺＲ２キャラクター能力上昇 " + FormatInteger(count) + u"回】\r\n";
  int written = 0;
  for (int lower = 1; lower <= 6; ++lower) {
    for (int higher = 1; higher <= 6; ++higher) {
      const int times = tally[lower][higher];
      if (times == 0) continue;
      text += u"[" + GrowthResult(lower, higher) + (times == 1 ? u"" : u" x " + FormatInteger(times)) + u"]";
      if (++written % 5 == 0) text += u"\r\n";
    }
  }
  return TrimBlanks(text);
}

void UpStatus(const char* requestText, char* reply) {
  const Request request = ReadRequest(requestText);
  if (!BotEnabled(request.channel)) return;
  constexpr std::u16string_view kUpWord = u"#Up ZR2";
  if (StartsText(kUpWord, request.message)) {
    std::u16string rest = request.message.substr(kUpWord.size());
    if (!rest.empty() && !IsBlank(rest.front())) return;
    rest = TrimBlanks(rest);
    const int count = ReadPlainInteger(NextToken(rest)).value_or(1);
    SendReply(GrowthRolls(count), request.channel, request.speaker, reply);
    return;
  }
  std::u16string message = request.message;
  std::u16string word = NextToken(message);
  if (!IsZRFamily(GameMode(request.channel))) return;
  std::u16string (*roll)(int) = nullptr;
  if (StartsStr(u"#能力上昇", word) || StartsStr(u"#能力成長", word)) roll = GrowthRolls;
  else if (StartsStr(u"#勇者の証", word)) roll = HeroProofRolls;
  else return;
  std::u16string count = word.substr(5);
  DropSuffix(count, u"回") || DropSuffix(count, u"個");
  if (count.empty()) {
    SendReply(roll(1), request.channel, request.speaker, reply);
  } else if (const WholeNumber n = ReadWholeNumber(count)) {
    SendReply(roll(n.value), request.channel, request.speaker, reply);
  }
}

}  // namespace

std::u16string GrowthRolls(int count) {
  Reseed();
  if (count <= 1) return u"【ＺＲ２キャラクター能力上昇】 上昇する能力：" + OneGrowth();
  if (count > 10) return CountedGrowth(count);
  return u"【ＺＲ２キャラクター能力上昇】 試行回数：" + FormatInteger(count) + u"回" + ListedResults(count, OneGrowth);
}

std::u16string HeroProofRolls(int count) {
  Reseed();
  if (count <= 1) return u"【ＺＲ２勇者の証効果適用】 上昇する能力：" + OneHeroProof();
  return u"【ＺＲ２勇者の証効果適用】 試行回数：" + FormatInteger(count) + u"回" + ListedResults(count, OneHeroProof);
}

}  // namespace zr2

ZR2_ENTRY void ZR2_CALL ZR2_UpStatus(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::UpStatus(request, reply); });
}
