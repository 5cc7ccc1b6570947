// Game modes: the game system a channel plays, stored as the alias a user typed.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zr2 {

// 1..27 name a game system; 0 is an alias that no mode knows.
using GameModeId = int;

constexpr GameModeId kModeZR2 = 1;
constexpr GameModeId kModeZR = 2;
constexpr GameModeId kModeArianrhod = 3;
constexpr GameModeId kModeMayoKin = 4;
constexpr GameModeId kModeParasiteBlood = 7;
constexpr GameModeId kModeDnD = 9;
constexpr GameModeId kModeCthulhu = 25;
constexpr GameModeId kModeDetatoko = 26;
constexpr GameModeId kModeZR25 = 27;

GameModeId ParseModeAlias(std::u16string_view text);
GameModeId GameMode(std::u16string_view channel);
std::u16string_view ModeName(GameModeId mode);
std::u16string_view ModeKey(GameModeId mode);
int DefaultSides(GameModeId mode);
std::optional<int> DefaultCount(GameModeId mode);
void WriteHostGameMode(std::u16string_view channel, GameModeId mode);

// Modes 1 and 27 (ゼファーレルム2.0 and 2.5), where the ZR-only commands answer.
constexpr bool IsZRMode(GameModeId mode) { return mode == kModeZR2 || mode == kModeZR25; }
// Modes 1, 2 and 27, which share the ZR roll rule.
constexpr bool IsZRFamily(GameModeId mode) { return IsZRMode(mode) || mode == kModeZR; }

}  // namespace zr2
