// ZR character making (2.0 and 2.5) and the birth listing.
#pragma once
#include <string>
#include <string_view>

namespace zr2 {

// A race code followed by options (r1..r4, B<roll code>); a number instead gives that many
// background rows. Empty for an unknown race.
std::u16string MakeCharacter20(std::u16string_view argument);
// One token "X の Y": X a race code or group word (ランダム, 人族, 蛮族), Y ランダム or a birth or class
// name, optionally ending in a rule-book marker. Empty when nothing matches.
std::u16string MakeCharacterFrom20(std::u16string_view argument);
std::u16string MakeCharacter25(std::u16string_view argument);
std::u16string MakeCharacterFrom25(std::u16string_view argument);
// The birth tables of a race as typeable making commands, or the race code list for an unknown code.
std::u16string ListBirths(std::u16string_view code);

}  // namespace zr2
