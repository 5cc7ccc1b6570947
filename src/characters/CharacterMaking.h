// ZR character making (2.0 and 2.5) and the birth listing.
#pragma once
#include <string>
#include <string_view>

namespace zr2 {

std::u16string MakeCharacter20(std::u16string_view argument);
std::u16string MakeCharacterFrom20(std::u16string_view argument);
std::u16string MakeCharacter25(std::u16string_view argument);
std::u16string MakeCharacterFrom25(std::u16string_view argument);
std::u16string ListBirths(std::u16string_view code);

}  // namespace zr2
