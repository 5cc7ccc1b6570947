// Tables that only the dispatcher reaches: the urge value roll, でたとこサーガ brands and bad ends,
// the お嬢様 names, the flower language and the ZR divination results.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "text/TableRowCount.h"

namespace zr2 {

std::u16string RollUrgeValues();

enum class DetatokoSide { HP, MP };
std::u16string RollBrand(DetatokoSide side);
std::u16string RollBadEnd(DetatokoSide side);
// The でたとこサーガ table command ("hd", "down hp", "be m", ...); empty when not recognised.
std::u16string DetatokoTableCommand(std::u16string_view argument);

enum class OjousamaName { Full, Surname, GivenName };
std::u16string RollOjousamaName(OjousamaName selector);

std::u16string RollFlowerLanguage();

// The 24 divination names in index order; -1 when the word is none of them (exact comparison).
int DivinationIndex(std::u16string_view word);
// The result for a checked value; rollText decides critical and fumble results.
std::u16string DivinationResult(int index, std::u16string_view rollText, long long value);

std::u16string_view DivinationName(int index);

// Rows entered from the books and rows nobody here has, per table.
std::vector<TableRowCount> OtherTableRowCounts();

}  // namespace zr2
