#include "counters/CounterLinks.h"

#include <algorithm>
#include <array>
#include <limits>

#include "dice/Arithmetic.h"
#include "encounters/Encounters.h"
#include "host/CIniLoader.h"
#include "platform/Platform.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

constexpr std::u16string_view kDefaultsSection = u"DefaultCounters";
constexpr std::u16string_view kLinksKey = u"LinkShell";
// The store reads back at most this many characters; a longer list would come back cut.
constexpr size_t kLinksCapacity = 511;
constexpr int kUrgeLevels = 5;

// Names and values that the settings store keeps as they are (it drops what the code page lacks).
bool Storable(std::u16string_view text) { return !text.empty() && platform::IsAnsiRepresentable(text); }

std::u16string JoinEntries(const std::vector<std::u16string>& entries) {
  std::u16string links;
  for (const std::u16string& entry : entries) links += entry + u"@";
  return links;
}

}  // namespace

bool IsUsableChannel(std::u16string_view channel) { return Storable(channel) && IsChannelSection(channel); }

bool CanHoldCounter(std::u16string_view channel, std::u16string_view nick) {
  return IsUsableChannel(channel) && Storable(CharacterKey(nick));
}

CounterChange AddToCounterSaturated(std::u16string_view channel, std::u16string_view nick, std::int64_t delta) {
  const std::int32_t before = AddToCounter(channel, nick, delta);
  const std::int64_t after = std::clamp<std::int64_t>(std::int64_t{before} + delta,
                                                      std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max());
  return {before, static_cast<std::int32_t>(after)};
}

std::optional<std::int32_t> ReadDefaultCounter(std::u16string_view nick) {
  const std::optional<std::u16string> text = ReadSettingValue(SettingsFile::Library, kDefaultsSection, nick);
  return text ? ReadPlainInteger(*text) : std::nullopt;
}

void WriteDefaultCounter(std::u16string_view nick, std::int32_t value) {
  WriteIntSetting(SettingsFile::Library, kDefaultsSection, nick, value);
}

void DeleteDefaultCounter(std::u16string_view nick) { DeleteSetting(SettingsFile::Library, kDefaultsSection, nick); }

std::u16string ReadLinks(std::u16string_view channel) {
  return ReadSetting(SettingsFile::Library, channel, kLinksKey, u"");
}

void WriteLinks(std::u16string_view channel, std::u16string_view links) {
  WriteSetting(SettingsFile::Library, channel, kLinksKey, links);
}

void DeleteLinks(std::u16string_view channel) { DeleteSetting(SettingsFile::Library, channel, kLinksKey); }

std::vector<std::u16string> LinkEntries(std::u16string_view links) {
  std::vector<std::u16string> entries;
  size_t start = 0;
  for (size_t at = links.find(u'@'); at != std::u16string_view::npos; at = links.find(u'@', start)) {
    if (at > start) entries.emplace_back(links.substr(start, at - start));
    start = at + 1;
  }
  return entries;
}

bool IsLinkMember(std::u16string_view links, std::u16string_view key) {
  if (!IsLinkableKey(key)) return false;
  const std::vector<std::u16string> entries = LinkEntries(links);
  return std::find(entries.begin(), entries.end(), key) != entries.end();
}

bool IsLinkableKey(std::u16string_view key) { return !key.empty() && key.find(u'@') == std::u16string_view::npos; }

bool JoinLinks(std::u16string& links, std::u16string_view key) {
  if (IsLinkMember(links, key)) return true;
  if (!IsLinkableKey(key)) return false;
  // Rebuilt from whole entries, so a list cut short by the store never glues a fragment to the key.
  std::u16string joined = JoinEntries(LinkEntries(links)) + std::u16string(key) + u"@";
  if (joined.size() > kLinksCapacity) return false;
  links = std::move(joined);
  return true;
}

void RemoveLink(std::u16string& links, std::u16string_view key) {
  std::vector<std::u16string> entries = LinkEntries(links);
  std::erase(entries, key);
  links = JoinEntries(entries);
}

int UrgeExperienceOfCounter(std::int32_t counter) {
  const auto fields = static_cast<std::uint32_t>(counter);
  int experience = 0;
  for (int level = 1; level <= kUrgeLevels; ++level)
    experience += UrgeExperience(level, static_cast<int>((fields >> (4 * (level - 1))) & 0xF));
  return experience;
}

std::u16string LinkDisplay(std::u16string_view channel, std::u16string_view links, GameModeId mode) {
  if (channel.empty() || links.empty()) return {};
  struct Linked {
    std::u16string name;
    std::optional<std::int32_t> counter;
  };
  std::vector<Linked> linked;
  for (const std::u16string& entry : LinkEntries(links)) {
    std::u16string name = CharacterName(entry);
    linked.push_back({name.empty() ? entry : std::move(name), ReadCounter(channel, entry)});
  }
  const bool anyCounter = std::any_of(linked.begin(), linked.end(), [](const Linked& l) { return l.counter; });

  std::u16string display;
  const auto separate = [&] {
    if (!display.empty()) display += u", ";
  };
  if (!anyCounter) {
    for (size_t i = 0; i < linked.size(); ++i) {
      separate();
      display += u"[" + FormatInteger(static_cast<std::int64_t>(i)) + u"]" + linked[i].name;
    }
    return display;
  }
  std::int64_t sum = 0;
  for (const Linked& l : linked) {
    if (!l.counter) continue;
    separate();
    const std::int32_t v = *l.counter;
    sum += v;
    if (IsZRFamily(mode))
      display += l.name + u"(" + FormatInteger(v) + u")";
    else if (mode == kModeParasiteBlood)
      display += l.name + u"(" + FormatInteger(UrgeExperienceOfCounter(v)) + u"Exp)";
    else
      display += l.name + u"(" + FormatInteger(v) + u"%)";
  }
  if (IsZRFamily(mode)) display += u" 合計：" + FormatInteger(sum);
  return display;
}

std::optional<std::u16string> SetCounterDefault(std::u16string_view speaker, std::u16string_view channel,
                                                std::u16string message) {
  if (!IsUsableChannel(channel) || !Storable(speaker)) return std::nullopt;
  NextToken(message);
  const std::u16string valueText = NextToken(message);
  if (const WholeNumber value = ReadWholeNumber(valueText)) {
    WriteDefaultCounter(speaker, value.value);
    return u"カウンタのデフォルト値を[" + valueText + u"]にセットしました。";
  }
  DeleteDefaultCounter(speaker);
  return u"カウンタのデフォルト値を削除しました。";
}

std::optional<std::u16string> PutCounterDefault(std::u16string_view speaker, std::u16string_view channel) {
  if (!IsUsableChannel(channel)) return std::nullopt;
  const std::optional<std::int32_t> value = Storable(speaker) ? ReadDefaultCounter(speaker) : std::nullopt;
  if (!value) return u"カウンタのデフォルト値がセットされていません。";
  // A nick without a key (digits and underscores only) has nowhere to keep a counter.
  if (!CanHoldCounter(channel, speaker)) return std::nullopt;
  WriteCounter(channel, speaker, *value);
  return u"カウンタをデフォルト値( " + FormatInteger(*value) + u" )に定義しました。";
}

std::optional<std::u16string> StartLinks(std::u16string_view channel) {
  if (!IsUsableChannel(channel)) return std::nullopt;
  DeleteLinks(channel);
  ClearCounters(channel);
  return u"リンクと全てのカウンタを初期化しました。";
}

std::optional<std::u16string> ClearLinks(std::u16string_view channel) {
  if (!IsUsableChannel(channel)) return std::nullopt;
  DeleteLinks(channel);
  return u"リンクを初期化しました。";
}

std::optional<std::u16string> JoinAndShowLinks(std::u16string_view speaker, std::u16string_view channel) {
  if (!IsUsableChannel(channel)) return std::nullopt;
  std::u16string links = ReadLinks(channel);
  const std::u16string key = CharacterKey(speaker);
  if (!IsLinkMember(links, key) && JoinLinks(links, key)) WriteLinks(channel, links);
  return LinkDisplay(channel, links, GameMode(channel));
}

std::optional<std::u16string> MoveLink(std::u16string_view speaker, std::u16string_view channel,
                                       std::u16string_view message) {
  if (!IsUsableChannel(channel)) return std::nullopt;
  // The target is the second word between ASCII blanks (quotes and full-width blanks are kept).
  size_t start = message.find(u' ');
  start = start == std::u16string_view::npos ? message.size() : message.find_first_not_of(u' ', start);
  if (start == std::u16string_view::npos) start = message.size();
  const std::u16string_view target = message.substr(start, message.find(u' ', start) - start);

  const std::u16string speakerKey = CharacterKey(speaker);
  // Without a key of its own the speaker could not take the link over: the target's link and
  // counter would simply be lost.
  if (!IsLinkableKey(speakerKey) || !CanHoldCounter(channel, speaker)) return std::nullopt;
  std::u16string links = ReadLinks(channel);
  const std::u16string targetKey = CharacterKey(target);
  std::int32_t carried = 0;
  if (IsLinkMember(links, targetKey)) {
    carried = CounterOrZero(channel, targetKey);
  } else if (const std::optional<std::int32_t> counter = ReadCounter(channel, target)) {
    carried = *counter;
  } else {
    return u"キャラクター[" + std::u16string(target) + u"]は登録されていません。";
  }

  if (targetKey == speakerKey) {
    // Taking over oneself changes no counter; it only makes sure the speaker is linked.
    if (!IsLinkMember(links, speakerKey) && JoinLinks(links, speakerKey)) WriteLinks(channel, links);
  } else {
    RemoveLink(links, targetKey);
    JoinLinks(links, speakerKey);
    WriteLinks(channel, links);
    // The counter moves: left in place it would be counted again if the target joined later.
    DeleteSetting(SettingsFile::Host, channel, targetKey);
    AddToCounterSaturated(channel, speaker, carried);
  }
  return LinkDisplay(channel, links, GameMode(channel));
}

}  // namespace zr2
