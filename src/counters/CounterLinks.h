// Per-nick default counters and the per-channel link list with its display.
//
// Counters live in Vellum.ini (host/CIniLoader.h); defaults and link lists in RA2ZOV.ini. A link
// list is a text of character keys, each followed by one "@", in joining order (TARO@HANAKO@).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/CDiceMode.h"

namespace zr2 {

// A channel that can keep settings, counters and links: its name can be stored as it is, and it has
// a section of its own (IsChannelSection).
bool IsUsableChannel(std::u16string_view channel);
// Whether a nick's counter can be stored in the channel: a usable channel and a non-empty key.
bool CanHoldCounter(std::u16string_view channel, std::u16string_view nick);

struct CounterChange {
  std::int32_t before = 0;
  std::int32_t after = 0;
};
// Adds delta to the nick's counter; the counter stops at the 32-bit limits instead of wrapping.
CounterChange AddToCounterSaturated(std::u16string_view channel, std::u16string_view nick, std::int64_t delta);

// Defaults are keyed by the nick exactly as it came, not by its character key.
std::optional<std::int32_t> ReadDefaultCounter(std::u16string_view nick);
void WriteDefaultCounter(std::u16string_view nick, std::int32_t value);
void DeleteDefaultCounter(std::u16string_view nick);

std::u16string ReadLinks(std::u16string_view channel);
void WriteLinks(std::u16string_view channel, std::u16string_view links);
void DeleteLinks(std::u16string_view channel);

// The whole entries of a list, in order; a trailing text without its "@" and empty entries are
// not entries.
std::vector<std::u16string> LinkEntries(std::u16string_view links);
// Membership compares whole entries: TARO is not a member of MOMOTARO@.
bool IsLinkMember(std::u16string_view links, std::u16string_view key);
// A key that can stand in a list: not empty and without "@".
bool IsLinkableKey(std::u16string_view key);
// Appends key when it is linkable, not yet a member and the list still fits the store; true when
// the key is a member afterwards.
bool JoinLinks(std::u16string& links, std::u16string_view key);
void RemoveLink(std::u16string& links, std::u16string_view key);

// Urge experience of a パラサイトブラッド counter: five 4-bit urge results, level 1 lowest.
int UrgeExperienceOfCounter(std::int32_t counter);

// The one-line display of the linked players with their counters, formatted by game mode.
std::u16string LinkDisplay(std::u16string_view channel, std::u16string_view links, GameModeId mode);

// The work of the six entries: the answer to send, or nothing when the entry stays silent.
std::optional<std::u16string> SetCounterDefault(std::u16string_view speaker, std::u16string_view channel,
                                                std::u16string message);
std::optional<std::u16string> PutCounterDefault(std::u16string_view speaker, std::u16string_view channel);
std::optional<std::u16string> StartLinks(std::u16string_view channel);
std::optional<std::u16string> ClearLinks(std::u16string_view channel);
std::optional<std::u16string> JoinAndShowLinks(std::u16string_view speaker, std::u16string_view channel);
std::optional<std::u16string> MoveLink(std::u16string_view speaker, std::u16string_view channel,
                                       std::u16string_view message);

}  // namespace zr2
