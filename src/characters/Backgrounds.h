// Background (経歴) and general skill tables.
#pragma once
#include <string>

namespace zr2 {

// Each writes its heading, then count rows, one per line. No text can carry more rows than the
// reply buffer has bytes, so no more than that many are drawn.
std::u16string BackgroundRows(int count);           // sets 1-4
std::u16string BackgroundRowsAll(int count);        // sets 1-6
std::u16string BackgroundRowsBarbarian(int count);  // sets 5-6
std::u16string GeneralSkills(int count);            // empty below 1

}  // namespace zr2
