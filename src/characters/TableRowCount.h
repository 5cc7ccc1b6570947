// How much of a rulebook table the data files hold: rows known, rows nobody here has.
#pragma once
#include <string>

namespace zr2 {

struct TableRowCount {
  std::u16string table;
  int real = 0;
  int missing = 0;
};

}  // namespace zr2
