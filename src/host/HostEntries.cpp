// The entries of the host interface itself: the dice-bot switch and the version listing.
#include "host/CDiceMode.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

void SwitchBot(const std::u16string& channel, bool on, char* reply) {
  SendReply(channel + u"でのダイスボットを" + (on ? u"ON" : u"OFF") + u"にしました。", channel, u"", reply);
  SetBotEnabled(channel, on);
}

void Limitation(const char* requestText, char* reply) {
  Request request = ReadRequest(requestText);
  // A channel without a section of its own cannot keep a switch; saying it did would be wrong.
  if (!IsChannelSection(request.channel)) return;
  std::u16string& message = request.message;
  const std::u16string botName = NextToken(message);
  std::u16string word = NextToken(message);
  if (word.empty()) return;
  word.erase(0, 1);
  // Read the addressed name only once a command word has matched.
  const auto addressesThisBot = [&] {
    const std::u16string target = NextToken(message);
    return target.empty() || SameAsciiText(target, botName);
  };
  if (SameAsciiText(word, u"dice_off") || SameAsciiText(word, u"dicebot_off")) {
    if (addressesThisBot()) SwitchBot(request.channel, false, reply);
  } else if (SameAsciiText(word, u"dice_on") || SameAsciiText(word, u"dicebot_on")) {
    if (addressesThisBot()) SwitchBot(request.channel, true, reply);
  } else if (SameAsciiText(word, u"dice_limit") || SameAsciiText(word, u"dicebot_limit")) {
    const bool on = addressesThisBot();
    if (on != BotEnabled(request.channel)) SwitchBot(request.channel, on, reply);
  }
}

constexpr std::u16string_view kModeListing =
    u"\r\n[(設定なし)][zr2]:ゼファーレルム2.0 (Max:6 2dが12でC 2でF)"
    u"\r\n[zr25]:ゼファーレルム2.5 (Max:6 2dが12でC 2でF)"
    u"\r\n[ara]:アリアンロッド(Max:6 6が2個でC 1全部でF)"
    u"\r\n[mk]:迷宮キングダム(Max:6 最大の2個抽出 +d66変化)"
    u"\r\n[DX]:ダブルクロス (Max:10)"
    u"\r\n[pb]:パラサイトブラッド (Max:6 6が2個でC 1が2個でF)"
    u"\r\n[dd][D&D]:D&D (Max:20)";

void VerInfo(const char* requestText, char* reply) {
  const Request request = ReadRequest(requestText);
  if (!BotEnabled(request.channel)) return;
  const std::u16string header = u"RA2ZOV ver.3 モード一覧(現在：" + request.channel + u" = " +
                                std::u16string(ModeName(GameMode(request.channel))) + u")";
  SendReply(header + std::u16string(kModeListing), request.channel, u"", reply);
}

}  // namespace
}  // namespace zr2

ZR2_ENTRY void ZR2_CALL Limitation(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::Limitation(request, reply); });
}

ZR2_ENTRY void ZR2_CALL VerInfo(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::VerInfo(request, reply); });
}
