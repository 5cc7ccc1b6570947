// Scenario encounter tables: the grids of Mist Castle, Cursed Land and Mist Grave, and the terrain
// and ruin tables of Eternal Empire.
#include "encounters/Encounters.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "encounters/CstZR2EnemyList.h"
#include "encounters/CstZR2EnemyTable.h"
#include "encounters/EncounterWords.h"
#include "host/CIniLoader.h"
#include "tables/Hazards.h"
#include "text/MissingRow.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

constexpr int kMaxParty = 6;

// A group of monsters as a table cell gives it.
struct Group {
  int id = -1;
  std::u16string_view name;  // the book's name when the monster's ID is not known yet
  int count = 0;
  std::u16string marker;  // printed instead when nobody has the cell

  bool nobody() const { return marker.empty() && name.empty() && id < 0; }
};

Group GroupOf(const EncounterCell& cell, std::u16string_view table, std::u16string_view row) {
  Group group;
  if (cell.known) {
    group.id = cell.id;
    group.count = cell.count;
  } else if (!cell.name.empty() && cell.count >= 0) {
    group.name = cell.name;
    group.count = cell.count;
  } else {
    group.marker = MissingRow(table, row);
  }
  return group;
}

// Cells nobody has are never taken for the same monster: we cannot know.
bool SameMonster(const Group& a, const Group& b) {
  if (!a.marker.empty() || !b.marker.empty()) return false;
  if (!a.name.empty() || !b.name.empty()) return a.name == b.name;
  return a.id == b.id;
}

std::u16string CountText(int count) { return count >= 2 ? u" x" + FormatInteger(count) + u" " : std::u16string(); }

// "コボルド x2 (1-340,BT-32)"; empty for nobody.
std::u16string MonsterText(const Group& group) {
  if (!group.marker.empty()) return group.marker;
  if (group.nobody()) return {};
  const TZR2EnemyPage* page = group.name.empty() ? ZR2EnemyPage(group.id) : ZR2EnemyPageByName(group.name);
  if (page)
    return std::u16string(EnemyPageName(page->Name)) + CountText(group.count) + u"(" + ZR2BookReference(*page) + u")";
  if (!group.name.empty())
    return std::u16string(group.name) + CountText(group.count) + u"(" + MissingRow(u"魔物ページ", group.name) + u")";
  return MissingRow(u"魔物ページ", u"ID" + FormatInteger(group.id)) + CountText(group.count);
}

std::u16string CellLabel(std::int64_t level, int position) {
  return u"Lv" + FormatInteger(level) + u" " + FormatInteger(position);
}

// --- Mist Castle, Cursed Land, Mist Grave ---

enum class Book { MistCastle, CursedLand, MistGrave };

const EncounterGrid& GridOf(Book book) {
  switch (book) {
    case Book::CursedLand:
      return CursedLandGrid();
    case Book::MistGrave:
      return MistGraveGrid();
    default:
      return MistCastleGrid();
  }
}

// The grid row for a level; Cursed Land keeps within its rows, the others have none below them.
std::optional<int> GridRow(Book book, std::int64_t level) {
  const EncounterGrid& grid = GridOf(book);
  if (book == Book::CursedLand)
    return static_cast<int>(std::clamp<std::int64_t>(level, grid.firstLevel(), grid.lastLevel()));
  if (level < grid.firstLevel()) return std::nullopt;
  return static_cast<int>(std::min<std::int64_t>(level, grid.lastLevel()));
}

std::u16string PartyError(Book book, int members) {
  return u"遭遇表エラー:" + std::u16string(book == Book::CursedLand ? u"カースドランド" : u"霧の街") + u"は" +
         FormatInteger(members) + u"人での冒険には対応していません。";
}

std::u16string RollGrid(Book book, int category, std::u16string rest) {
  const EncounterGrid& grid = GridOf(book);
  std::u16string levelWord = NextToken(rest);
  const std::u16string partyWord = NextToken(rest);
  const std::u16string furtherWord = NextToken(rest);

  bool boss = false;
  bool mutation = false;
  if (book == Book::CursedLand) {
    while (!levelWord.empty() && (levelWord.back() == u'+' || levelWord.back() == u'*')) {
      (levelWord.back() == u'+' ? boss : mutation) = true;
      levelWord.pop_back();
    }
  } else if (!levelWord.empty() && levelWord.back() == u'+') {
    boss = true;
    levelWord.pop_back();
  }
  const WholeNumber level = ReadWholeNumber(levelWord);
  if (!level || level.value < 0) return {};
  const WholeNumber party = ReadWholeNumber(partyWord);
  if (!party) return {};
  if (party.value <= 0 || (party.value > kMaxParty && book != Book::MistGrave)) return PartyError(book, party.value);
  const int members = std::min(party.value, kMaxParty);
  if (SameAsciiText(furtherWord, u"Boss") || SameAsciiText(furtherWord, u"b")) boss = true;

  // Mutated monsters come alone, whatever the party size.
  const bool twoGroups = members >= 4 && !mutation;
  const std::optional<int> firstRow = GridRow(book, std::int64_t{level.value} + (boss ? 1 : 0) + (mutation ? 2 : 0));
  const std::optional<int> secondRow = GridRow(book, level.value);
  if (!firstRow || (twoGroups && !secondRow)) return {};

  int first = 0;
  int second = 0;
  if (members <= 3) {
    first = D6() + (members - 1);
  } else {
    second = D6() + (members - 4);
    first = D6() + (members - 4);
  }
  const auto outside = [](int column) { return column < 1 || column > EncounterGrid::kColumns; };
  if (outside(first) || (members >= 4 && outside(second)))
    return u"遭遇表エラー:遭遇ダイスの出目( " + FormatInteger(std::max(first, second)) + u" )が不正です。";

  const std::u16string_view categoryName = grid.categories()[category];
  const std::u16string table = std::u16string(grid.scenario()) + u" " + std::u16string(categoryName);
  std::u16string result = table + u"遭遇表Lv." + FormatInteger(level.value) + u" : ";
  Group lead = GroupOf(grid.Cell(category, *firstRow, first), table, CellLabel(*firstRow, first));
  if (!twoGroups) {
    result += MonsterText(lead);
    if (mutation) result += u"←変異 ↓内容↓\r\n" + RollEncounterMutations(3);
    return result;
  }
  const Group other = GroupOf(grid.Cell(category, *secondRow, second), table, CellLabel(*secondRow, second));
  const bool merged = SameMonster(lead, other);
  if (merged) lead.count += other.count;
  result += MonsterText(lead);
  if (boss) result += u"←ボス";
  if (!merged && !other.nobody()) result += u" + " + MonsterText(other);
  return result;
}

// --- Eternal Empire terrain ---

int TerrainOfWord(std::u16string_view word) {
  if (word == u"荒地") return 2;
  if (CategoryOfWord(word) == u"遺跡") return static_cast<int>(std::size(kTerrainTables)) - 1;
  for (size_t t = 0; t < std::size(kTerrainTables); ++t)
    if (word == kTerrainTables[t].name) return static_cast<int>(t);
  return -1;
}

std::u16string RollTerrain(int terrain, std::u16string rest) {
  const std::optional<std::int32_t> level = ReadPlainInteger(NextToken(rest));
  const std::optional<std::int32_t> party = ReadPlainInteger(NextToken(rest));
  if (!level || !party) return {};
  const TerrainTable& table = kTerrainTables[terrain];
  const int row = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{*level} - table.offset, 0, kTerrainRows - 1));
  const int subTable = Random(kTerrainSubTables);

  const std::u16string tableName = u"エターナルエンパイア " + std::u16string(table.name) + FormatInteger(subTable + 1);
  Group groups[kTerrainGroups];
  for (int g = 0; g < kTerrainGroups; ++g)
    groups[g] = GroupOf(TerrainCell(terrain, subTable, row, g), tableName, CellLabel(table.offset + row, g + 1));

  Group& e1 = groups[0];
  Group& e2 = groups[1];
  Group& e3 = groups[2];
  bool secondCounts = *party >= 2;
  bool thirdCounts = *party >= 4;
  if (secondCounts && SameMonster(e1, e2)) {
    e1.count += e2.count;
    secondCounts = false;
  }
  if (thirdCounts && SameMonster(e1, e3)) {
    e1.count += e3.count;
    thirdCounts = false;
  } else if (thirdCounts && secondCounts && SameMonster(e2, e3)) {
    e2.count += e3.count;
    thirdCounts = false;
  }

  std::u16string result = u"エターナルエンパイア " + std::u16string(table.name) + u"遭遇表Lv." + FormatInteger(*level) +
                          u" : " + MonsterText(e1);
  if (secondCounts && !e2.nobody()) result += u" + " + MonsterText(e2);
  if (thirdCounts && !e3.nobody()) result += u" + " + MonsterText(e3);
  return result;
}

// --- Eternal Empire ruins and chance encounters ---

enum class RuinPick { Chance, TableA, TableB, Room };

struct RuinRoom {
  int type = 0;
  bool boss = false;
};

// "遺跡の蛮族", "蛮族ee", "ee魔神の部屋": the ruin type a room word names; the room is a boss room.
std::optional<RuinRoom> RuinRoomOfWord(std::u16string word) {
  RuinRoom room;
  if (EndsWithText(u"ee", word))
    word.resize(word.size() - 2);
  else if (StartsWithText(u"ee", word))
    word.erase(0, 2);
  else
    DropPrefix(word, u"遺跡の");
  room.boss = DropSuffix(word, u"の部屋");
  const std::u16string_view category = CategoryOfWord(word);
  if (category == u"蛮族")
    room.type = 1;
  else if (category == u"動物" || category == u"植物")
    room.type = 2;
  else if (category == u"幻獣")
    room.type = 3;
  else if (category == u"アンデッド")
    room.type = 4;
  else if (category == u"魔法生物")
    room.type = 5;
  else if (category == u"魔神")
    room.type = 6;
  else
    return std::nullopt;
  return room;
}

std::optional<RuinPick> RuinPickOfWord(std::u16string_view word) {
  if (IndexOfText(word, {u"偶然", u"偶然の"}) >= 0) return RuinPick::Chance;
  if (IndexOfText(word, {u"遺跡A", u"遺跡ａ", u"遺跡Ａ", u"遺跡1", u"遺跡１", u"遺跡①"}) >= 0) return RuinPick::TableA;
  if (IndexOfText(word, {u"遺跡B", u"遺跡ｂ", u"遺跡Ｂ", u"遺跡2", u"遺跡２", u"遺跡②"}) >= 0) return RuinPick::TableB;
  return std::nullopt;
}

std::u16string RollRuins(RuinPick pick, RuinRoom room, std::u16string rest) {
  std::u16string levelWord = NextToken(rest);
  bool boss = room.boss;
  if (!levelWord.empty() && levelWord.back() == u'+') {
    boss = true;
    levelWord.pop_back();
  }
  const std::optional<std::int32_t> level = ReadPlainInteger(levelWord);
  const std::optional<std::int32_t> party = ReadPlainInteger(NextToken(rest));
  if (!level || !party) return {};

  std::u16string_view heading;
  int type = room.type;  // 0: nothing happens
  switch (pick) {
    case RuinPick::TableA:
      heading = u"遺跡Ａ";
      type = Random(3) + 1;
      break;
    case RuinPick::TableB:
      heading = u"遺跡Ｂ";
      type = Random(3) + 4;
      break;
    case RuinPick::Chance:
      heading = u"偶然";
      type = Random(6) < 4 ? 0 : D6();
      break;
    case RuinPick::Room:
      heading = kRuinLists[type - 1];
      break;
  }
  std::u16string result =
      u"エターナルエンパイア " + std::u16string(heading) + u"遭遇表Lv." + FormatInteger(*level) + u" : ";
  if (type == 0) return result + u"何も起こらなかった。";

  const int row = static_cast<int>(std::clamp<std::int64_t>(*level, kRuinFirstLevel, kRuinLastLevel));
  Group group = GroupOf(RuinCell(type, row), u"エターナルエンパイア " + std::u16string(kRuinLists[type - 1]),
                        u"Lv" + FormatInteger(row));
  if (group.nobody()) return result + u"何も起こらなかった。";
  group.count = !boss ? 1 : *party >= 4 ? 3 : *party >= 2 ? 2 : 1;
  return result + MonsterText(group);
}

}  // namespace

std::u16string RollScenarioEncounter(std::u16string_view scenario, std::u16string_view category,
                                     std::u16string_view rest) {
  const std::u16string words(rest);
  if (scenario == u"G" || scenario == u"C") {
    const Book book = scenario == u"G" ? Book::MistGrave : Book::CursedLand;
    const int index = CategoryIndex(category, GridOf(book).categories());
    return index >= 0 ? RollGrid(book, index, words) : std::u16string();
  }
  if (const int index = CategoryIndex(category, MistCastleGrid().categories()); index >= 0)
    return RollGrid(Book::MistCastle, index, words);
  if (const int terrain = TerrainOfWord(category); terrain >= 0) return RollTerrain(terrain, words);
  if (const std::optional<RuinPick> pick = RuinPickOfWord(category)) return RollRuins(*pick, {}, words);
  if (const std::optional<RuinRoom> room = RuinRoomOfWord(std::u16string(category)))
    return RollRuins(RuinPick::Room, *room, words);
  return {};
}

}  // namespace zr2
