// The urge table: five urge levels whose 2d6 results live in 4-bit fields of the player's counter.
#include <array>
#include <cstdint>
#include <optional>

#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "encounters/CstPBTable.h"
#include "encounters/Encounters.h"
#include "host/CIniLoader.h"
#include "text/MissingRow.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

constexpr int kUrgeLevels = 5;
constexpr char16_t kBold = u'\x02';

using UrgeFields = std::array<int, kUrgeLevels>;

UrgeFields SplitFields(std::int32_t counter) {
  const auto bits = static_cast<std::uint32_t>(counter);
  UrgeFields fields{};
  for (int i = 0; i < kUrgeLevels; ++i) fields[i] = static_cast<int>((bits >> (4 * i)) & 0xF);
  return fields;
}

std::int32_t JoinFields(const UrgeFields& fields) {
  std::int32_t counter = 0;
  for (int i = 0; i < kUrgeLevels; ++i) counter |= (fields[i] & 0xF) << (4 * i);
  return counter;
}

int TotalExperience(const UrgeFields& fields) {
  int total = 0;
  for (int i = 0; i < kUrgeLevels; ++i) total += UrgeExperience(i + 1, fields[i]);
  return total;
}

struct UrgeWord {
  int level = 0;
  bool reroll = false;
};

// "URGE3R", "3r", "2": the level, and whether a stored result may be rolled again.
std::optional<UrgeWord> ReadUrgeWord(std::u16string word) {
  if (word.size() >= 4 && SameAsciiText(std::u16string_view(word).substr(0, 4), u"URGE")) word.erase(0, 4);
  UrgeWord result;
  std::u16string digits;
  for (const char16_t c : word) {
    if (c == u'R' || c == u'r')
      result.reroll = true;
    else
      digits += c;
  }
  const std::optional<std::int32_t> level = ReadPlainInteger(digits);
  if (!level || *level < 1 || *level > kUrgeLevels) return std::nullopt;
  result.level = *level;
  return result;
}

}  // namespace

int UrgeExperience(int level, int result) {
  const UrgeRow* row = FindUrgeRow(level, result);
  return row ? row->experience : 0;
}

std::u16string RollUrge(std::u16string_view command, std::u16string_view speaker, std::u16string_view channel) {
  std::u16string text(command);
  const std::optional<UrgeWord> word = ReadUrgeWord(NextToken(text));
  if (!word) return {};
  const int k = word->level;

  UrgeFields fields = SplitFields(CounterOrZero(channel, speaker));
  if (fields[k - 1] != 0 && !word->reroll)
    return u"その衝動は既に振っています。振り直す時は #table pb " + FormatInteger(k) + u"R と入力してください。";

  const int before = TotalExperience(fields);
  const TwoDice dice = Roll2D6();
  const int result = dice.sum();
  const int after = before - UrgeExperience(k, fields[k - 1]) + UrgeExperience(k, result);
  fields[k - 1] = result;
  WriteCounter(channel, speaker, JoinFields(fields));

  std::u16string answer = u"[" + FormatInteger(dice.first) + u"," + FormatInteger(dice.second) + u"]:";
  const UrgeRow& row = *FindUrgeRow(k, result);
  if (!row.known) return answer + MissingRow(u"衝動表", FormatInteger(k) + u"-" + FormatInteger(result));
  answer += row.name;
  answer += u"(" + std::u16string(1, kBold) + FormatInteger(row.experience) + kBold + u"Exp:" + FormatInteger(before);
  if (after != before) answer += u" → " + FormatInteger(after);
  answer += u")";
  answer += row.effect;
  return answer;
}

}  // namespace zr2
