// A rulebook row that nobody here has: printed as a marker naming the table and the row in the
// book's terms, so that a game master can look it up.
#pragma once
#include <string>
#include <string_view>

namespace zr2 {

inline std::u16string MissingRow(std::u16string_view table, std::u16string_view row) {
  return u"〈未収録:" + std::u16string(table) + u" " + std::u16string(row) + u"〉";
}

}  // namespace zr2
