// ZR divination (占い): 24 result tables chosen by the divination's name.
#include <array>

#include "commands/OtherTables.h"
#include "dice/Arithmetic.h"
#include "text/MissingRow.h"
#include "text/StringSearchUnit.h"

namespace zr2 {
namespace {

struct Divination {
  std::u16string_view name;
  int thresholds;  // K: entries 1..K carry a threshold; 0 is fumble, K + 1 critical
};

constexpr std::array<Divination, 24> kDivinations = {{
    {u"幸運の星の導きを知る", 5},       {u"幸運は手指を助ける", 5},   {u"幸運は動きを助ける", 5},
    {u"幸運は力を助ける", 5},           {u"幸運は知恵を助ける", 5},   {u"幸運は勝ち戦を授ける", 5},
    {u"幸運は富をもたらす", 6},         {u"星は剣を導く", 6},         {u"星は盾を掲げる", 6},
    {u"星は札を翻す", 6},               {u"星は調べを誘う", 6},       {u"星は安らぎをもたらす", 6},
    {u"凶星は光を避ける道を知る", 5},   {u"賢星に語らるべかりし言葉を問う", 6}, {u"光る星は弱点を暴く", 6},
    {u"光る星は神秘を誘う", 6},         {u"怒れる言葉の幻", 5},       {u"崩れる壁の幻", 6},
    {u"背後から迫る闇の幻", 6},         {u"襲いかかる敵の幻", 6},     {u"光輝く星は高みへと導く", 6},
    {u"黒き死の幻影", 7},               {u"灰色なる敗北の幻影", 6},   {u"無色なる不備の幻影", 6},
}};

struct ResultRow {
  bool known;
  int index;
  int entry;
  int threshold;  // -1: nobody here knows it
  std::u16string_view text;
};

constexpr ResultRow kResults[] = {
#include "divination.inc"
};

const ResultRow& Row(int index, int entry) {
  size_t first = 0;
  for (int i = 0; i < index; ++i) first += static_cast<size_t>(kDivinations[i].thresholds) + 2;
  return kResults[first + static_cast<size_t>(entry)];
}

std::u16string EntryText(int index, int entry) {
  const ResultRow& row = Row(index, entry);
  if (!row.text.empty()) return std::u16string(row.text);
  const int k = kDivinations[index].thresholds;
  const std::u16string place = entry == 0 ? u"ファンブル" : entry == k + 1 ? u"クリティカル" : FormatInteger(entry);
  return MissingRow(kDivinations[index].name, place);
}

// The first entry 1..K whose threshold is 0 or at least the value, else K. An unknown threshold
// is passed over only when a later known threshold already lies below the value (thresholds rise).
int NormalEntry(int index, long long value, bool& undecided) {
  const int k = kDivinations[index].thresholds;
  for (int entry = 1; entry <= k; ++entry) {
    const int threshold = Row(index, entry).threshold;
    if (threshold == 0 || (threshold > 0 && threshold >= value)) return entry;
    if (threshold < 0) {
      int later = -1;
      for (int next = entry + 1; next <= k && later < 0; ++next) later = Row(index, next).threshold;
      if (!(later > 0 && later < value)) {
        undecided = true;
        return entry;
      }
    }
  }
  return k;
}

}  // namespace

int DivinationIndex(std::u16string_view word) {
  for (size_t i = 0; i < kDivinations.size(); ++i)
    if (kDivinations[i].name == word) return static_cast<int>(i);
  return -1;
}

std::u16string_view DivinationName(int index) { return kDivinations.at(static_cast<size_t>(index)).name; }

std::u16string DivinationResult(int index, std::u16string_view rollText, long long value) {
  if (index < 0 || index >= static_cast<int>(kDivinations.size())) return {};
  const int k = kDivinations[index].thresholds;
  if (Contains(u"\x02(６ゾロ)\x02", rollText) || ContainsText(u"C", rollText)) return EntryText(index, k + 1);
  if (Contains(u"\x02(１ゾロ)\x02", rollText) || ContainsText(u"F", rollText)) return EntryText(index, 0);
  bool undecided = false;
  const int entry = NormalEntry(index, value, undecided);
  if (undecided) return MissingRow(kDivinations[index].name, u"目標値");
  return EntryText(index, entry);
}

std::vector<TableRowCount> DivinationRowCounts() {
  std::vector<TableRowCount> counts;
  for (const ResultRow& row : kResults) CountTableRow(counts, kDivinations[row.index].name, row.known);
  return counts;
}

}  // namespace zr2
