// The party registered for a channel's encounter tables (RA2ZOV.ini: SupRule, SupNin, SupLv, SupFellow).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zr2 {

struct PartyRegistration {
  std::u16string rule;      // scenario letter: C, F, G, V, M or empty
  std::int32_t members = 0; // SupNin (for V: twice the characters)
  std::int32_t level = 0;   // SupLv (for V: ten times the average level)
  bool present() const { return members > 0 && level > 0; }
};

PartyRegistration ReadPartyRegistration(std::u16string_view channel);
std::int32_t ReadPartyFellows(std::u16string_view channel);

}  // namespace zr2
