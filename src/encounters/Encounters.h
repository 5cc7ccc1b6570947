// Scenario encounter tables, the scenario check and the urge table.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zr2 {

std::u16string RollScenarioEncounter(std::u16string_view scenario, std::u16string_view category,
                                     std::u16string_view rest);
std::u16string RollViceCityEncounter(std::u16string_view word, int level, int members, int fellows,
                                     bool strongEnemy, bool boss);
// scenario empty: the channel's registered letter.
std::u16string RollScenarioCheck(std::u16string_view channel, std::optional<char16_t> scenario,
                                 char16_t difficulty, std::u16string_view rest);
std::u16string RollUrge(std::u16string_view command, std::u16string_view speaker, std::u16string_view channel);

// Experience of a 2d6 result (2..12) at urge level 1..5; 0 for anything else.
int UrgeExperience(int level, int result);

}  // namespace zr2
