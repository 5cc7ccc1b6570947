#include "characters/ImpurityFairy.h"

#include <algorithm>

#include "characters/CstZR2FairyTable.h"
#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "host/CDiceMode.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "text/StringConvertUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

// Draws each "{x|y|z}" part of a row with one die of as many faces as it has choices.
std::u16string DrawChoices(std::u16string_view text) {
  std::u16string result;
  size_t at = 0;
  while (at < text.size()) {
    const size_t open = text.find(u'{', at);
    const size_t close = open == std::u16string_view::npos ? open : text.find(u'}', open);
    if (close == std::u16string_view::npos) break;
    result += text.substr(at, open - at);
    std::vector<std::u16string_view> choices;
    for (size_t start = open + 1;;) {
      const size_t bar = std::min(text.find(u'|', start), close);
      choices.push_back(text.substr(start, bar - start));
      if (bar == close) break;
      start = bar + 1;
    }
    result += choices[Random(static_cast<int>(choices.size()))];
    at = close + 1;
  }
  return result + std::u16string(text.substr(std::min(at, text.size())));
}

bool ChannelPlaysZR(const std::u16string& channel) { return IsZRFamily(GameMode(channel)) && BotEnabled(channel); }

void Kegare(const char* requestText, char* reply) {
  const Request request = ReadRequest(requestText);
  if (!ChannelPlaysZR(request.channel)) return;
  constexpr std::u16string_view kWord = u"#穢れ表";
  if (!StartsText(kWord, request.message)) return;
  std::u16string message = request.message;
  std::u16string modifier = NextToken(message);
  modifier.erase(0, std::min(modifier.size(), kWord.size()));
  std::u16string answer;
  if (modifier.empty()) {
    answer = ImpurityRoll(0);
  } else if (const WholeNumber m = ReadWholeNumber(modifier)) {
    answer = ImpurityRoll(m.value);
  }
  SendReply(answer, request.channel, request.speaker, reply);
}

void Fairy(const char* requestText, char* reply) {
  const Request request = ReadRequest(requestText);
  if (!ChannelPlaysZR(request.channel)) return;
  constexpr std::u16string_view kLongWord = u"#妖精のいたずら表", kShortWord = u"#妖精";
  std::u16string rest;
  if (StartsStr(kLongWord, request.message)) {
    rest = request.message.substr(kLongWord.size());
  } else if (StartsText(kShortWord, request.message)) {
    rest = request.message.substr(kShortWord.size());
  } else {
    return;
  }
  const std::u16string letter = FullWidthLettersToAscii(NextToken(rest));
  if (letter.size() == 1 || letter.size() == 2)
    SendReply(FairyMischief(letter[0]), request.channel, request.speaker, reply);
}

}  // namespace

std::u16string ImpurityRoll(int modifier) {
  Reseed();
  const TwoDice dice = Roll2D6();
  const std::u16string shown = modifier > 0 ? u"+" + FormatInteger(modifier) : u"";
  const std::int64_t total = std::int64_t{dice.sum()} + std::max(modifier, 0);
  return u"2d" + shown + u" = [" + FormatInteger(dice.first) + u"," + FormatInteger(dice.second) + u"]" + shown +
         u" = " + FormatInteger(total) + u" (" + ImpurityResult(total) + u")";
}

std::u16string FairyMischief(char16_t letter) {
  Reseed();
  const int roll = Roll2D6().sum();
  letter = AsciiUpper(letter);
  if (letter < u'A' || letter > u'E') return {};
  return DrawChoices(FairyRowText(letter, roll));
}

}  // namespace zr2

ZR2_ENTRY void ZR2_CALL ZR2_Kegare(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::Kegare(request, reply); });
}

ZR2_ENTRY void ZR2_CALL ZR2_Fairy(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::Fairy(request, reply); });
}
