// The party registration of a channel and the entry that writes it.
#include "encounters/PartyRegistration.h"

#include <cmath>
#include <limits>
#include <optional>

#include "dice/Arithmetic.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "text/StringConvertUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {

PartyRegistration ReadPartyRegistration(std::u16string_view channel) {
  PartyRegistration party;
  party.rule = ReadSetting(SettingsFile::Library, channel, u"SupRule", u"");
  party.members = ReadIntSetting(SettingsFile::Library, channel, u"SupNin", 0);
  party.level = ReadIntSetting(SettingsFile::Library, channel, u"SupLv", 0);
  return party;
}

std::int32_t ReadPartyFellows(std::u16string_view channel) {
  return ReadIntSetting(SettingsFile::Library, channel, u"SupFellow", 0);
}

namespace {

struct PartyWords {
  std::optional<long double> level;
  std::optional<long double> characters;
  long double fellows = 0;
  std::u16string letter;  // empty: none named
};

// A failed or infinite evaluation changes nothing.
std::optional<long double> ReadValue(std::u16string_view text) {
  const auto value = EvaluateArithmetic(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::u16string ScenarioLetter(std::u16string_view word) {
  static constexpr struct {
    std::u16string_view word;
    std::u16string_view letter;
  } kWords[] = {{u"C", u"C"}, {u"CL", u"C"}, {u"カースドランド", u"C"},   {u"F", u"F"},
                {u"FG", u"F"}, {u"フェアリーガーデン", u"F"}, {u"G", u"G"}, {u"MG", u"G"},
                {u"ミストグレイヴ", u"G"}, {u"V", u"V"}, {u"VC", u"V"}, {u"ヴァイスシティ", u"V"}};
  for (const auto& entry : kWords)
    if (SameText(word, entry.word)) return std::u16string(entry.letter);
  return u"M";
}

void ReadPartyWord(std::u16string_view raw, PartyWords& party) {
  const std::u16string word = NormaliseRollText(raw);
  const auto setFrom = [](std::optional<long double>& target, std::u16string_view rest) {
    if (const auto value = ReadValue(rest)) target = value;
  };
  std::optional<long double> fellows;
  if (word.ends_with(u"人")) {
    setFrom(party.characters, std::u16string_view(word).substr(0, word.size() - 1));
  } else if (word.starts_with(u"人")) {
    setFrom(party.characters, std::u16string_view(word).substr(1));
  } else if (StartsWithText(u"Lv", word)) {
    setFrom(party.level, std::u16string_view(word).substr(2));
  } else if (EndsWithText(u"Lv", word)) {
    setFrom(party.level, std::u16string_view(word).substr(0, word.size() - 2));
  } else if (word.starts_with(u"F")) {
    setFrom(fellows, std::u16string_view(word).substr(1));
  } else if (word.starts_with(u"フェロー")) {
    setFrom(fellows, std::u16string_view(word).substr(4));
  } else if (const auto value = ReadValue(word)) {
    // Bare numbers fill level, then characters, then fellows.
    if (!party.level) {
      party.level = value;
    } else if (!party.characters) {
      party.characters = value;
    } else {
      fellows = value;
    }
  } else {
    party.letter = ScenarioLetter(word);
  }
  if (fellows) party.fellows = *fellows;
}

// A stored value must read back as written, so anything beyond 32 bits is refused.
std::optional<std::int32_t> Stored(long double value) {
  if (!(value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()))
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::u16string DisplayName(std::u16string_view letter) {
  if (letter == u"C") return u"カースドランド";
  if (letter == u"F") return u"フェアリーガーデン";
  if (letter == u"G") return u"ミストグレイヴ";
  if (letter == u"V") return u"ヴァイスシティ";
  return u"ミストキャッスル";
}

// The command word may name the scenario itself (#ミストグレイヴ遭遇表登録), but only when no more
// than three parameter words follow it.
std::u16string CommandWordAsParameter(std::u16string word) {
  DropPrefix(word, u"#");
  for (std::u16string_view suffix : {u"登録", u"設定", u"遭遇表"}) DropSuffix(word, suffix);
  return word;
}

std::u16string Register(std::u16string_view channel, std::u16string message) {
  const std::u16string command = NextToken(message);
  std::u16string words[4];
  for (int i = 0; i < 3; ++i) words[i] = NextToken(message);
  words[3] = message.empty() ? CommandWordAsParameter(command) : message;

  PartyWords party;
  for (const std::u16string& word : words)
    if (!word.empty()) ReadPartyWord(word, party);
  if (!party.level || !party.characters) return {};

  const std::u16string letter =
      party.letter.empty() ? ReadSetting(SettingsFile::Library, channel, u"SupRule", u"") : party.letter;
  if (letter == u"V") {
    const auto members = Stored(std::trunc(*party.characters * 2 + 0.05L));
    const auto level = Stored(std::ceil(*party.level * 10));
    const auto fellows = Stored(std::trunc(party.fellows + 0.5L));
    if (!members || !level || !fellows) return {};
    WriteSetting(SettingsFile::Library, channel, u"SupRule", u"V");
    WriteIntSetting(SettingsFile::Library, channel, u"SupNin", *members);
    WriteIntSetting(SettingsFile::Library, channel, u"SupLv", *level);
    WriteIntSetting(SettingsFile::Library, channel, u"SupFellow", *fellows);
    return u"遭遇表を再定義しました。現在の設定：[ヴァイスシティ]平均レベル " + FormatNumber(*level / 10.0L) + u" / " +
           FormatNumber(*members / 2.0L) + u"人向け / フェロー" + FormatNumber(*fellows) + u"人";
  }
  const auto members = Stored(std::trunc(*party.characters + 0.5L));
  const auto level = Stored(std::trunc(*party.level + 0.5L));
  if (!members || !level) return {};
  WriteSetting(SettingsFile::Library, channel, u"SupRule", letter);
  WriteIntSetting(SettingsFile::Library, channel, u"SupNin", *members);
  WriteIntSetting(SettingsFile::Library, channel, u"SupLv", *level);
  return u"遭遇表を再定義しました。現在の設定：[" + DisplayName(letter) + u"]平均レベル " + FormatInteger(*level) + u" / " +
         FormatInteger(*members) + u"人向け";
}

void RegMistEE(const char* requestText, char* reply) {
  Request request = ReadRequest(requestText);
  if (!BotEnabled(request.channel)) return;
  const std::u16string answer = Register(request.channel, std::move(request.message));
  if (!answer.empty()) SendReply(answer, request.channel, request.speaker, reply);
}

}  // namespace
}  // namespace zr2

ZR2_ENTRY void ZR2_CALL RegMistEE(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::RegMistEE(request, reply); });
}
