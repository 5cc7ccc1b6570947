// The Vice City encounter table: groups by party size, threat bands from the registered level.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "encounters/CstZR25EnemyList.h"
#include "encounters/EncounterWords.h"
#include "encounters/Encounters.h"
#include "host/CIniLoader.h"
#include "text/MissingRow.h"
#include "text/StringSearchUnit.h"

namespace zr2 {
namespace {

// One rolled item: a cell, or several equal cells added up.
struct Item {
  TViceCityEnemyIDData data;
  std::u16string marker;  // printed instead when nobody has the cell
};

enum class CellState { Identified, Named, Missing };

CellState StateOf(const TViceCityEnemyIDData& data) {
  if (data.cell.known) return CellState::Identified;
  if (!data.cell.name.empty() && data.cell.count >= 0 && data.Plus >= 0) return CellState::Named;
  return CellState::Missing;
}

bool SameItem(const Item& a, const Item& b) {
  const CellState state = StateOf(a.data);
  if (state == CellState::Missing || state != StateOf(b.data) || a.data.Plus != b.data.Plus) return false;
  return state == CellState::Named ? a.data.cell.name == b.data.cell.name : a.data.cell.id == b.data.cell.id;
}

std::u16string ItemText(const Item& item) {
  if (!item.marker.empty()) return item.marker;
  const TViceCityEnemyIDData& data = item.data;
  const bool named = StateOf(data) == CellState::Named;
  const TZR25EnemyPage* page = named ? ZR25EnemyPageByName(data.cell.name) : ZR25EnemyPage(data.cell.id);
  std::u16string text;
  if (page)
    text = page->Name;
  else if (named)
    text = data.cell.name;
  else
    text = MissingRow(u"ヴァイスシティ 魔物ページ", u"ID" + FormatInteger(data.cell.id));
  if (data.Plus > 0) text += u" +" + FormatInteger(data.Plus);
  if (data.cell.count > 1) text += u" x" + FormatInteger(data.cell.count) + u" ";
  if (page)
    text += u"(" + ZR25BookReference(*page) + u")";
  else if (named)
    text += u"(" + MissingRow(u"ヴァイスシティ 魔物ページ", data.cell.name) + u")";
  return text;
}

// The largest band whose threshold the threat reaches; none below 0.
std::optional<int> BandOf(std::int64_t threat) {
  std::optional<int> band;
  for (int i = 0; i < kViceCityBands; ++i)
    if (kViceCityBandThresholds[i] <= threat) band = i;
  return band;
}

Item RollItem(int category, int band) {
  const int cell = Random(ViceCityCellsPerBand(category));
  Item item{ViceCityCell(category, band, cell), {}};
  if (StateOf(item.data) == CellState::Missing)
    item.marker = MissingRow(u"ヴァイスシティ " + std::u16string(kViceCityCategories[category]),
                             u"帯" + FormatInteger(band) + u" " + FormatInteger(cell + 1));
  return item;
}

struct PlusSigns {
  std::u16string category;
  std::int64_t count = 0;
};

// "蛮族++" is two plus signs, "蛮族+3" three.
PlusSigns ReadPlusSigns(std::u16string_view word) {
  const size_t plus = word.find(u'+');
  if (plus == std::u16string_view::npos) return {std::u16string(word), 0};
  const std::u16string_view after = word.substr(plus + 1);
  return {std::u16string(word.substr(0, plus)),
          std::int64_t{ReadPlainInteger(after).value_or(1)} + std::count(after.begin(), after.end(), u'+')};
}

}  // namespace

std::u16string RollViceCityEncounter(std::u16string_view word, int level, int members, int fellows, bool strongEnemy,
                                     bool boss) {
  const PlusSigns signs = ReadPlusSigns(word);
  const int category = CategoryIndex(signs.category, kViceCityCategories);
  if (category < 0) return {};

  const std::int64_t threat = std::int64_t{level} + 5 * signs.count;
  const std::int64_t size = 2 * std::int64_t{members} + fellows;
  const int groups = size < 4 ? 1 : size < 10 ? 2 : 3;
  const int restBonus = (size >= 7 && size <= 9) || size >= 13 ? 5 : 0;
  const std::optional<int> firstBand = BandOf(threat + (strongEnemy ? 10 : 0) + (boss ? 10 : 0));
  const std::optional<int> restBand = BandOf(threat + restBonus);
  if (!firstBand || (groups > 1 && !restBand)) return {};

  std::vector<Item> items{RollItem(category, *firstBand)};
  for (int g = 1; g < groups; ++g) {
    Item item = RollItem(category, *restBand);
    const auto same = std::find_if(items.begin(), items.end(), [&](const Item& i) { return SameItem(i, item); });
    if (same != items.end())
      same->data.cell.count += item.data.cell.count;
    else
      items.push_back(std::move(item));
  }

  std::u16string result = u"ヴァイスシティ " + std::u16string(kViceCityCategories[category]) + u"遭遇表 脅威度" +
                          FormatNumber(static_cast<long double>(threat) / 10) + u" : ";
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) result += u"、";
    result += ItemText(items[i]);
    if (i == 0 && boss) result += u" ←ボス ";
  }
  return result;
}

}  // namespace zr2
