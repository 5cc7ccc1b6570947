// Built into the test build of ZR2_DLL.dll only: lets the Windows vector host script the dice the
// next request draws, as the in-process vector runner does with ScopedDiceScript.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "dice/RandomUnit.h"

namespace {

std::unique_ptr<zr2::ScopedDiceScript>& ActiveScript() {
  static std::unique_ptr<zr2::ScopedDiceScript> script;
  return script;
}

}  // namespace

// dice holds count pairs (sides, face counted from 1).
extern "C" __declspec(dllexport) int __cdecl ZR2Test_BeginDice(const int* dice, int count) noexcept {
  try {
    if (ActiveScript() || count < 0 || (count > 0 && dice == nullptr)) return 0;
    std::vector<std::pair<int, int>> script;
    for (int i = 0; i < count; ++i) script.emplace_back(dice[2 * i], dice[2 * i + 1]);
    ActiveScript() = std::make_unique<zr2::ScopedDiceScript>(std::move(script));
    return 1;
  } catch (...) {
    return 0;
  }
}

// Ends the script; problem receives what went wrong (empty when exactly the scripted dice were drawn).
extern "C" __declspec(dllexport) int __cdecl ZR2Test_EndDice(char* problem, int capacity) noexcept {
  try {
    if (!ActiveScript() || problem == nullptr || capacity <= 0) return 0;
    const std::string text = ActiveScript()->Problem();
    ActiveScript().reset();
    const size_t length = std::min(text.size(), static_cast<size_t>(capacity - 1));
    std::memcpy(problem, text.data(), length);
    problem[length] = '\0';
    return 1;
  } catch (...) {
    return 0;
  }
}
