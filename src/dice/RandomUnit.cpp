#include "dice/RandomUnit.h"

#include <algorithm>

#include "platform/Platform.h"

namespace zr2 {
namespace {

ScopedDiceScript* gScript = nullptr;

// The library's start-up: create the shared source (seeded from the tick count), then seed it
// once more as the last step. It is released when the library unloads.
const bool kStarted = [] {
  Reseed();
  return true;
}();

}  // namespace

TRandom::TRandom() : TRandom(platform::TickCount()) {}

TRandom::TRandom(std::uint32_t seed) { SetSeed(seed); }

void TRandom::SetSeed(std::uint32_t seed) {
  seed_ = seed;
  engine_.seed(seed);
}

std::uint32_t TRandom::GetInteger(std::uint32_t n) { return n == 0 ? 0 : NextWord() % n; }

std::int64_t TRandom::GetSignedInteger(std::uint32_t n) {
  if (n == 0) return 0;
  const std::uint64_t range = std::uint64_t{n} * 2 + 1;
  return static_cast<std::int64_t>(NextWord() % range) - n;
}

double TRandom::GetReal(double x) {
  // The extended-precision value of 1 / (2^32 - 1).
  constexpr long double kScale = 0x1p-32L + 0x1p-64L + 0x1p-95L;
  return static_cast<double>(NextWord() * kScale * x);
}

double TRandom::GetSignedReal(double x) { return GetReal(2 * x) - x; }

TRandom& SharedRandom() {
  static TRandom shared;
  return shared;
}

int Random(int n) {
  if (n <= 0) return 0;
  if (gScript != nullptr) return gScript->Draw(n);
  return static_cast<int>(SharedRandom().GetInteger(static_cast<std::uint32_t>(n)));
}

void Reseed() { SharedRandom().SetSeed(platform::TickCount()); }

std::uint8_t RollD6(std::int8_t count, std::uint8_t base) {
  std::uint8_t sum = base;
  for (int i = 0; i < count; ++i) sum = static_cast<std::uint8_t>(sum + D6());
  return sum;
}

TwoDice Roll2D6() {
  const int first = D6();
  const int second = D6();
  return {first, second};
}

ScopedDiceScript::ScopedDiceScript(std::vector<std::pair<int, int>> dice)
    : dice_(std::move(dice)), previous_(gScript) {
  gScript = this;
}

ScopedDiceScript::~ScopedDiceScript() { gScript = previous_; }

int ScopedDiceScript::Draw(int sides) {
  if (next_ >= dice_.size()) {
    if (problem_.empty()) problem_ = "a d" + std::to_string(sides) + " was drawn after the script ended";
    return 0;
  }
  const auto [scriptedSides, face] = dice_[next_++];
  if (scriptedSides != sides && problem_.empty())
    problem_ = "die " + std::to_string(next_) + " was drawn as d" + std::to_string(sides) + ", scripted as d" +
               std::to_string(scriptedSides);
  return std::clamp(face - 1, 0, sides - 1);
}

std::string ScopedDiceScript::Problem() const {
  if (!problem_.empty()) return problem_;
  if (next_ < dice_.size())
    return std::to_string(dice_.size() - next_) + " scripted dice were not drawn";
  return {};
}

}  // namespace zr2
