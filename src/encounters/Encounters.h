// Scenario encounter tables, the scenario check and the urge table.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zr2 {

// scenario: "G" Mist Grave, "C" Cursed Land, anything else Mist Castle and Eternal Empire.
// rest: level word (with its marks), party word, optional "Boss". Empty when nothing matches.
std::u16string RollScenarioEncounter(std::u16string_view scenario, std::u16string_view category,
                                     std::u16string_view rest);
// word: category with optional plus signs; level: SupLv (ten times the average level); members:
// SupNin (twice the characters); fellows: SupFellow.
std::u16string RollViceCityEncounter(std::u16string_view word, int level, int members, int fellows, bool strongEnemy,
                                     bool boss);
// scenario empty: the channel's registered letter. rest: level word, dice expression.
std::u16string RollScenarioCheck(std::u16string_view channel, std::optional<char16_t> scenario, char16_t difficulty,
                                 std::u16string_view rest);
// command: "URGE3", "3R" ...; the results live in the speaker's counter of the channel.
std::u16string RollUrge(std::u16string_view command, std::u16string_view speaker, std::u16string_view channel);

// Experience of a 2d6 result (2..12) at urge level 1..5; 0 for anything else.
int UrgeExperience(int level, int result);

}  // namespace zr2
