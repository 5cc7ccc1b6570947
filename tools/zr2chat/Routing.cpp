#include "Routing.h"

#include <algorithm>
#include <cctype>

namespace zr2chat {
namespace {

std::string_view FirstWord(std::string_view text) {
  const size_t blank = text.find(' ');
  return blank == std::string_view::npos ? text : text.substr(0, blank);
}

std::string_view AfterFirstWord(std::string_view text) {
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return {};
  text.remove_prefix(blank);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

bool StartsNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && Lower(text.substr(0, prefix.size())) == Lower(prefix);
}

bool StartsAny(std::string_view text, std::initializer_list<std::string_view> prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(), [&](std::string_view p) { return text.starts_with(p); });
}

bool IsWord(std::string_view message, std::initializer_list<std::string_view> words) {
  const std::string first = Lower(FirstWord(message));
  return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return first == w; });
}

bool BotSwitch(std::string_view message) {
  // "bot !dice_off": a sign, then one of the switch words, as the second word.
  const std::string_view word = FirstWord(AfterFirstWord(message));
  if (word.size() < 2) return false;
  const std::string name = Lower(word.substr(1));
  for (std::string_view w : {"dice_off", "dicebot_off", "dice_on", "dicebot_on", "dice_limit", "dicebot_limit"})
    if (name == w) return true;
  return false;
}

bool Version(std::string_view m) { return IsWord(m, {"#ver", "#version"}); }
bool ChoiceWord(std::string_view m) { return StartsNoCase(m, "choice"); }
bool KanaRoll(std::string_view m) { return AfterFirstWord(m).starts_with("。"); }
bool Backgrounds(std::string_view m) { return StartsAny(m, {"#経歴表", "#蛮族経歴表", "#蛮族用経歴", "#全経歴表"}); }
bool Growth(std::string_view m) { return StartsNoCase(m, "#up zr2") || StartsAny(m, {"#能力上昇", "#能力成長", "#勇者の証"}); }
bool Impurity(std::string_view m) { return m.starts_with("#穢れ表"); }
bool Fairy(std::string_view m) { return m.starts_with("#妖精"); }
bool Registration(std::string_view m) {
  const std::string_view w = FirstWord(m);
  return w.find("遭遇表") != std::string_view::npos && (w.ends_with("登録") || w.ends_with("設定"));
}
bool Encounter(std::string_view m) {
  const std::string_view w = FirstWord(m);
  return w.ends_with("遭遇表") || w.ends_with("遭遇");
}
bool CounterDefault(std::string_view m) { return IsWord(m, {"#cdef", "#counter_def"}); }
bool CounterPut(std::string_view m) { return IsWord(m, {"#cput", "#counter_put"}); }
bool LinkShow(std::string_view m) { return IsWord(m, {"#link"}); }
bool LinkMove(std::string_view m) { return IsWord(m, {"#move", "#link_move"}); }
bool LinkClear(std::string_view m) { return IsWord(m, {"#link_clear"}); }
bool LinkStart(std::string_view m) { return IsWord(m, {"#link_start"}); }
bool Command(std::string_view m) { return m.starts_with("#"); }
bool Anything(std::string_view) { return true; }

}  // namespace

const std::vector<Route>& Routes() {
  static const std::vector<Route> routes = {
      {"Limitation", EntryKind::Request, "NAME !dice_off | !dice_on | !dice_limit [NAME]", BotSwitch},
      {"VerInfo", EntryKind::Request, "#ver, #version", Version},
      {"Choice", EntryKind::Request, "choice[a,b,c]", ChoiceWord},
      {"AsciiCalc", EntryKind::Request, "WORD 。kana roll", KanaRoll},
      {"ZR2_MakeBirth", EntryKind::Request, "#経歴表, #蛮族経歴表, #蛮族用経歴, #全経歴表", Backgrounds},
      {"ZR2_UpStatus", EntryKind::Request, "#Up ZR2, #能力上昇, #能力成長, #勇者の証", Growth},
      {"ZR2_Kegare", EntryKind::Request, "#穢れ表", Impurity},
      {"ZR2_Fairy", EntryKind::Request, "#妖精…", Fairy},
      {"RegMistEE", EntryKind::Request, "#…遭遇表登録, #…遭遇表設定", Registration},
      {"GetMistEE", EntryKind::Request, "#…遭遇表", Encounter},
      {"SetCounterDef", EntryKind::Request, "#cdef VALUE", CounterDefault},
      {"PutCounterDef", EntryKind::Request, "#cput", CounterPut},
      {"GetLinkShell", EntryKind::Request, "#link", LinkShow},
      {"MoveLinkShell", EntryKind::Request, "#move NAME", LinkMove},
      {"ClearLinkShell", EntryKind::Request, "#link_clear", LinkClear},
      {"StartLinkShell", EntryKind::Request, "#link_start", LinkStart},
      {"Calc", EntryKind::Calc, "any other line starting with #", Command},
      {"RollDice", EntryKind::Request, "everything else (and whatever the routes above left unanswered)", Anything},
  };
  return routes;
}

std::vector<Candidate> CandidatesFor(std::string_view message) {
  std::vector<Candidate> candidates;
  for (const Route& route : Routes())
    if (route.matches(message)) candidates.push_back({route.entry, route.kind});
  return candidates;
}

}  // namespace zr2chat
