// The encounter entry: a word like #蛮族ボス遭遇表 rolls the registered party's encounter table.
#include "dice/Arithmetic.h"
#include "encounters/Encounters.h"
#include "encounters/PartyRegistration.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "tables/TableCommand.h"
#include "text/StringConvertUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

bool RemoveEvery(std::u16string& word, std::u16string_view mark) {
  if (word.find(mark) == std::u16string::npos) return false;
  word = ReplaceAll(word, mark, u"");
  return true;
}

void GetMistEE(const char* requestText, char* reply) {
  const Request request = ReadRequest(requestText);
  if (!BotEnabled(request.channel)) return;
  std::u16string message = request.message;
  std::u16string word = NextToken(message);
  DropSuffix(word, u"表");
  if (!DropSuffix(word, u"遭遇")) return;
  // The command prefix, normally "#".
  if (!word.empty()) word.erase(0, 1);
  const bool boss = DropSuffix(word, u"ボス");
  const bool mutation = RemoveEvery(word, u"変異");
  const bool strongEnemy = RemoveEvery(word, u"強敵");

  const PartyRegistration party = ReadPartyRegistration(request.channel);
  if (party.members <= 0 || party.level <= 0) return;
  if ((mutation && party.rule != u"C") || (strongEnemy && party.rule != u"V")) return;

  std::u16string answer;
  if (party.rule != u"V") {
    // A registration without a scenario word confirms Mist Castle, so it rolls Mist Castle; an empty
    // key would shift the category word into its place and nothing would answer.
    const std::u16string scenario = party.rule.empty() ? u"M" : party.rule;
    std::u16string line = u"en " + scenario + u" " + word + u" " + FormatInteger(party.level);
    if (boss) line += u"+";
    if (mutation) line += u"*";
    if (strongEnemy) line += u"*";
    line += u" " + FormatInteger(party.members);
    answer = RunTableCommand(line, request.channel);
  } else {
    answer =
        RollViceCityEncounter(word, party.level, party.members, ReadPartyFellows(request.channel), strongEnemy, boss);
  }
  SendReply(answer, request.channel, request.speaker, reply);
}

}  // namespace
}  // namespace zr2

ZR2_ENTRY void ZR2_CALL GetMistEE(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::GetMistEE(request, reply); });
}
