// Rolls typed in kana shorthand, and a random pick among listed items.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "dice/Arithmetic.h"
#include "dice/CDiceExecute.h"
#include "dice/RandomUnit.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "platform/Platform.h"
#include "text/StringConvertUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

// Kana a player can type without leaving the input method's kana mode, and what each stands for.
constexpr std::u16string_view kKana[] = {u"「", u"」", u"の", u"れ", u"と", u"ひ", u"！", u"？", u"く", u"あ",
                                         u"か", u"さ", u"た", u"な", u"は", u"ま", u"や", u"ら", u"わ"};
constexpr std::u16string_view kRollSyntax[] = {u"(", u")", u"d", u"r", u"+", u"-", u"*", u"/", u"@", u"1",
                                               u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0"};

constexpr std::pair<std::u16string_view, std::u16string_view> kBrackets[] = {
    {u"[", u"]"}, {u"(", u")"}, {u"{", u"}"}, {u"「", u"」"}, {u"（", u"）"}, {u"｛", u"｝"}};

void AsciiCalc(const char* requestText, char* reply) {
  Request request = ReadRequest(requestText);
  if (!BotEnabled(request.channel)) return;
  std::u16string rest = std::move(request.message);
  const std::u16string word = NextToken(rest);
  if (!rest.starts_with(u'。')) return;
  const std::u16string roll = MultiReplace(std::u16string_view(rest).substr(1), kKana, kRollSyntax, true, false);
  const std::string line =
      platform::TextToAnsi(request.speaker + u" " + request.channel + u" " + word + u" " + roll);
  RollDice(line.c_str(), reply);
}

void Choice(const char* requestText, char* reply) {
  const Request request = ReadRequest(requestText);
  if (!BotEnabled(request.channel)) return;
  std::u16string items = TrimControls(request.message);
  constexpr std::u16string_view kWord = u"choice";
  if (items.size() < kWord.size() || !SameAsciiText(std::u16string_view(items).substr(0, kWord.size()), kWord))
    return;
  items.erase(0, kWord.size());
  const auto bracket = std::find_if(std::begin(kBrackets), std::end(kBrackets),
                                    [&](const auto& pair) { return items.starts_with(pair.first); });
  if (bracket == std::end(kBrackets)) return;
  items.erase(0, bracket->first.size());
  if (const size_t close = items.find(bracket->second); close != std::u16string::npos) items.resize(close);
  items = ReplaceAll(ReplaceAll(items, u"、", u","), u"，", u",");

  const size_t commas = static_cast<size_t>(std::count(items.begin(), items.end(), u','));
  const int pick = Random(static_cast<int>(std::min<size_t>(commas, INT32_MAX - 1)) + 1);
  size_t start = 0;
  for (int i = 0; i < pick; ++i) start = items.find(u',', start) + 1;
  const size_t end = items.find(u',', start);
  const std::u16string item = items.substr(start, end == std::u16string::npos ? end : end - start);
  std::u16string answer = u"[";
  answer += FormatInteger(pick + 1);
  answer += u']';
  answer += item;
  SendReply(answer, request.channel, request.speaker, reply);
}

}  // namespace
}  // namespace zr2

ZR2_ENTRY void ZR2_CALL AsciiCalc(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::AsciiCalc(request, reply); });
}

ZR2_ENTRY void ZR2_CALL Choice(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::Choice(request, reply); });
}
