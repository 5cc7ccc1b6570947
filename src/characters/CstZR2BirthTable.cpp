#include "characters/CstZR2BirthTable.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "dice/Arithmetic.h"
#include "text/MissingRow.h"

namespace zr2 {
namespace {

constexpr std::array<std::u16string_view, kTribesIdCount> kTribesIdNames = {
    u"tidHumanRule1", u"tidHumanRule2", u"tidHumanIB", u"tidElfRule1", u"tidElfRule2", u"tidElfIB",
    u"tidDwarfRule1", u"tidDwarfRule2", u"tidDwarfIB", u"tidTabitRule1", u"tidTabitRule2", u"tidTabitIB",
    u"tidRuleForkRule1", u"tidRuneForkRule2", u"tidRuneForkIB", u"tidNightMareRule1", u"tidNightmareRule2",
    u"tidNightmareIB", u"tidRilDrakenRule1", u"tidRilDrakenRule2", u"tidRilDrakenIB", u"tidGlassRunnerRule1",
    u"tidGlassRunnerRule2", u"tidGlassRunnerIB", u"tidDrake", u"tidDrakeIB", u"tidDrakeBB", u"tidDarkTroll",
    u"tidDarkTrollIB", u"tidDarkTrollBB", u"tidLamya", u"tidLamyaIB", u"tidLamyaBB", u"tidLycanthrope",
    u"tidLycanthropeIB", u"tidLycanthropeBB", u"tidKobold", u"tidKoboldIB", u"tidKoboldBB", u"tidShadowRule1",
    u"tidShadowRule2", u"tidShadowIB", u"tidFee", u"tidFeeIB", u"tidFlowlight", u"tidFlowlightIB", u"tidWeakling",
    u"tidWeaklingIB", u"tidWeaklingBB", u"tidRalva", u"tidRalvaIB", u"tidRalvaBB", u"tidHighmanRule1",
    u"tidHighmanRule2", u"tidHighmanIB", u"tidMiacisRule1", u"tidMiacisRule2", u"tidDarkDwarfRule1",
    u"tidDarkDwarfRule2", u"tidBalkanRule1", u"tidBalkanRule2", u"tidValkyrieRule1", u"tidValkyrieRule2",
    u"tidSoleilRule1", u"tidSoleilRule2", u"tidLeprechaunRule1", u"tidLeprechaunRule2", u"tidDreikKnightRule1",
    u"tidDreikKnightRule2", u"tidBasiliskRule1", u"tidBasiliskRule2", u"tidLizardManRule1", u"tidLizardManRule2",
    u"tidCentaurusRule1", u"tidCentaurusRule2", u"tidSentian1Rule1", u"tidSentian1Rule2", u"tidSentian2Rule1",
    u"tidSentian2Rule2", u"tidSentian3Rule1", u"tidSentian3Rule2", u"tidLycantRule1", u"tidLycantRule2",
    u"tidMeliaRule1", u"tidMeliaRule2", u"tidTienceRule1", u"tidTienceRule2",
};

// Row of each roll 0..12 (-1: no band), per layout.
using RowOfRoll = std::array<std::int8_t, 13>;
struct Layout {
  char16_t letter;
  std::int8_t rows;
  RowOfRoll rowOfRoll;
};
constexpr std::array<Layout, 10> kLayouts = {{
    {u'A', 5, {-1, -1, 0, 0, 0, 1, 1, 2, 3, 3, 4, 4, 4}},
    {u'B', 7, {-1, -1, 0, 0, 1, 1, 2, 3, 4, 5, 5, 6, 6}},
    {u'C', 11, {-1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    {u'D', 5, {-1, -1, 0, 0, 0, 1, 1, 2, 3, 3, 3, 4, 4}},
    {u'E', 5, {-1, -1, 0, 0, 1, 1, 2, 2, 2, 3, 3, 4, 4}},
    {u'F', 6, {-1, -1, 0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4}},
    {u'G', 7, {-1, -1, 0, 0, 0, 1, 2, 3, 4, 5, 5, 6, 6}},
    {u'H', 7, {-1, -1, 0, 0, 0, 1, 2, 3, 4, 5, 6, 6, 6}},
    {u'J', 6, {-1, -1, 0, 0, 1, 2, -1, 3, 4, 4, 5, 5, 5}},
    {u'K', 4, {-1, -1, 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 3}},
}};

const Layout* FindLayout(char16_t letter) {
  for (const Layout& layout : kLayouts)
    if (layout.letter == letter) return &layout;
  return nullptr;
}

// Rolls of a row in ascending order.
std::vector<int> RollsOfRow(char16_t letter, int row) {
  std::vector<int> rolls;
  if (const Layout* layout = FindLayout(letter))
    for (int roll = 2; roll <= 12; ++roll)
      if (layout->rowOfRoll[roll] == row) rolls.push_back(roll);
  return rolls;
}

struct RaceTables {
  RaceId race;
  Edition edition;
  std::array<BirthTable, 3> tables;
  std::uint8_t count;
};

using enum Shelf;
constexpr std::u16string_view kI = u"I", kII = u"II", kIB = u"IB", kBB = u"BB", k25I = u"2.5-I", k25II = u"2.5-II";

constexpr RaceTables ThreeBooks(RaceId race, TZR2TribesID first, char16_t l1 = u'A', char16_t l2 = u'A',
                                char16_t l3 = u'A') {
  return {race, Edition::Zr20,
          {{{first, Rule1, l1, kI},
            {static_cast<TZR2TribesID>(first + 1), Rule2, l2, kII},
            {static_cast<TZR2TribesID>(first + 2), IB, l3, kIB}}},
          3};
}
constexpr RaceTables BaseBooks(RaceId race, TZR2TribesID base, bool withBB) {
  return {race, Edition::Zr20,
          {{{base, Base, u'A', kI},
            {static_cast<TZR2TribesID>(base + 1), IB, u'A', kIB},
            {static_cast<TZR2TribesID>(base + 2), BB, u'A', kBB}}},
          static_cast<std::uint8_t>(withBB ? 3 : 2)};
}
constexpr RaceTables TwoBooks(RaceId race, Edition edition, TZR2TribesID first, char16_t l1 = u'A',
                              char16_t l2 = u'A', std::u16string_view b1 = kI, std::u16string_view b2 = kII) {
  return {race, edition, {{{first, Rule1, l1, b1}, {static_cast<TZR2TribesID>(first + 1), Rule2, l2, b2}}}, 2};
}
constexpr RaceTables TwoBooks25(RaceId race, TZR2TribesID first, char16_t l1 = u'A', char16_t l2 = u'A') {
  return TwoBooks(race, Edition::Zr25, first, l1, l2, k25I, k25II);
}

constexpr auto kZr20 = Edition::Zr20;
constexpr std::array kRaceTables = {
    ThreeBooks(0, tidHumanRule1, u'B', u'C', u'B'),
    ThreeBooks(2, tidElfRule1, u'B', u'A', u'D'),
    ThreeBooks(3, tidDwarfRule1),
    ThreeBooks(4, tidTabitRule1),
    ThreeBooks(5, tidRuleForkRule1),
    ThreeBooks(6, tidNightMareRule1),
    ThreeBooks(7, tidRilDrakenRule1, u'E'),
    ThreeBooks(8, tidGlassRunnerRule1),
    BaseBooks(9, tidDrake, true),
    BaseBooks(10, tidDarkTroll, true),
    BaseBooks(11, tidLamya, true),
    BaseBooks(12, tidLycanthrope, true),
    BaseBooks(13, tidKobold, true),
    ThreeBooks(14, tidShadowRule1),
    BaseBooks(15, tidFee, false),
    BaseBooks(16, tidFlowlight, false),
    BaseBooks(17, tidWeakling, true),
    BaseBooks(18, tidRalva, true),
    ThreeBooks(19, tidHighmanRule1),
    TwoBooks(20, kZr20, tidMiacisRule1),
    TwoBooks(21, kZr20, tidDarkDwarfRule1),
    TwoBooks(22, kZr20, tidBalkanRule1, u'A', u'F'),
    TwoBooks(24, kZr20, tidValkyrieRule1),
    TwoBooks(25, kZr20, tidSoleilRule1),
    TwoBooks(26, kZr20, tidLeprechaunRule1),
    TwoBooks(27, kZr20, tidDreikKnightRule1),
    TwoBooks(28, kZr20, tidBasiliskRule1),
    TwoBooks(29, kZr20, tidLizardManRule1),
    TwoBooks(30, kZr20, tidCentaurusRule1),
    TwoBooks(31, kZr20, tidSentian1Rule1),
    TwoBooks(32, kZr20, tidSentian2Rule1),
    TwoBooks(33, kZr20, tidSentian3Rule1),
    // The tables of these three serve both editions.
    TwoBooks(34, kZr20, tidLycantRule1, u'A', u'A', k25I, k25II),
    TwoBooks(35, kZr20, tidMeliaRule1, u'A', u'A', k25I, k25II),
    TwoBooks(36, kZr20, tidTienceRule1, u'A', u'A', k25I, k25II),
    TwoBooks25(0, tidHumanRule1, u'G', u'H'),
    TwoBooks25(2, tidElfRule1, u'J', u'A'),
    TwoBooks25(3, tidDwarfRule1),
    TwoBooks25(4, tidTabitRule1, u'K', u'K'),
    TwoBooks25(5, tidRuleForkRule1),
    TwoBooks25(6, tidNightMareRule1),
    TwoBooks25(7, tidRilDrakenRule1, u'E', u'A'),
    TwoBooks25(8, tidGlassRunnerRule1),
    TwoBooks25(26, tidLeprechaunRule1),
    TwoBooks25(34, tidLycantRule1),
    TwoBooks25(35, tidMeliaRule1),
    TwoBooks25(36, tidTienceRule1),
};

struct BirthDataRow {
  bool known;
  std::u16string_view race, book, band, birth, job;
  int skill, body, mind, exp;
  std::u16string_view origin;
};
constexpr BirthDataRow kPublishedBirthRows[] = {
#include "characters_births.inc"
};
constexpr BirthDataRow kOtherBirthRows[] = {
#include "characters_births_other.inc"
};

template <class Visit>
void ForEachBirthDataRow(Visit&& visit) {
  for (const BirthDataRow& row : kPublishedBirthRows) visit(row);
  for (const BirthDataRow& row : kOtherBirthRows) visit(row);
}

const BirthDataRow* FindBirthDataRow(std::u16string_view race, std::u16string_view book, std::u16string_view band) {
  const BirthDataRow* found = nullptr;
  ForEachBirthDataRow([&](const BirthDataRow& row) {
    if (found == nullptr && row.race == race && row.book == book && row.band == band) found = &row;
  });
  return found;
}

std::u16string BirthTableName(RaceId race, const BirthTable& table) {
  return u"生まれ表 " + std::u16string(Race(race).tableName) + u" " + std::u16string(table.book);
}

std::int8_t BaseValue(int value) { return static_cast<std::int8_t>(std::clamp(value, -1, 127)); }

struct PhraseRow {
  bool known;
  int set;
  int d66;
  std::u16string_view text;
};
constexpr PhraseRow kBackgrounds[] = {
#include "characters_backgrounds.inc"
};
constexpr PhraseRow kGeneralSkills[] = {
#include "characters_general_skills.inc"
};

// The d66 tables are indexed by position, so the data must run set by set in d66 order.
template <size_t N>
constexpr bool InD66Order(const PhraseRow (&rows)[N]) {
  for (size_t i = 0; i < N; ++i)
    if (rows[i].set != static_cast<int>(i / 36) + 1 || rows[i].d66 != static_cast<int>(i % 36 / 6 * 10 + i % 6 + 11))
      return false;
  return true;
}
static_assert(std::size(kBackgrounds) == 36 * kBackgroundSets && InD66Order(kBackgrounds));
static_assert(std::size(kGeneralSkills) == 36 * kGeneralSkillSets && InD66Order(kGeneralSkills));

std::u16string Phrase(const PhraseRow& row, std::u16string_view table) {
  if (row.known) return std::u16string(row.text);
  return MissingRow(table, FormatInteger(row.set) + u"-" + FormatInteger(row.d66));
}

template <size_t N>
void CountPhraseSets(const PhraseRow (&rows)[N], std::u16string_view table, std::vector<TableRowCount>& counts) {
  for (size_t i = 0; i < N; ++i) {
    if (i % 36 == 0) counts.push_back({std::u16string(table) + u" " + FormatInteger(rows[i].set)});
    (rows[i].known ? counts.back().real : counts.back().missing) += 1;
  }
}

}  // namespace

std::u16string_view TribesIdName(TZR2TribesID id) { return id < kTribesIdCount ? kTribesIdNames[id] : u""; }

TZRLiveData NeetRow() { return {-1, -1, -1, u"ニート", u"なし", 0}; }

int LayoutRows(char16_t layout) {
  const Layout* found = FindLayout(layout);
  return found ? found->rows : 0;
}

int LayoutRowOfRoll(char16_t layout, int roll) {
  const Layout* found = FindLayout(layout);
  return found && roll >= 0 && roll <= 12 ? found->rowOfRoll[roll] : -1;
}

int LayoutListingRoll(char16_t layout, int row) {
  const std::vector<int> rolls = RollsOfRow(layout, row);
  return rolls.empty() ? 0 : rolls.front();
}

std::u16string LayoutBand(char16_t layout, int row) {
  const std::vector<int> rolls = RollsOfRow(layout, row);
  if (rolls.empty()) return {};
  if (rolls.size() == 1) return FormatInteger(rolls.front());
  const bool contiguous = rolls.back() - rolls.front() + 1 == static_cast<int>(rolls.size());
  std::u16string band;
  for (int roll : rolls) band += (band.empty() ? u"" : u",") + FormatInteger(roll);
  return contiguous ? FormatInteger(rolls.front()) + u"-" + FormatInteger(rolls.back()) : band;
}

std::span<const BirthTable> BirthTables(RaceId race, Edition edition) {
  for (const RaceTables& entry : kRaceTables)
    if (entry.race == race && entry.edition == edition) return {entry.tables.data(), entry.count};
  return {};
}

int RuleBookCode(TZR2TribesID id) {
  switch (id) {
    case tidDreikKnightRule1: case tidDreikKnightRule2: case tidBasiliskRule1: case tidBasiliskRule2:
    case tidLizardManRule1: case tidLizardManRule2: case tidCentaurusRule1: case tidCentaurusRule2:
    case tidLycantRule2: case tidMeliaRule1: case tidMeliaRule2: case tidTienceRule1: case tidTienceRule2:
      return 0;
    default:
      break;
  }
  const std::u16string_view name = TribesIdName(id);
  if (name.ends_with(u"Rule2")) return 2;
  if (name.ends_with(u"IB")) return 4;
  if (name.ends_with(u"BB")) return 5;
  return 1;
}

BirthRow ReadBirthRow(RaceId race, const BirthTable& table, int row) {
  BirthRow result;
  const std::u16string band = LayoutBand(table.layout, row);
  const BirthDataRow* data = FindBirthDataRow(Race(race).tableName, table.book, band);
  if (data != nullptr) {
    result.data = {BaseValue(data->skill), BaseValue(data->body), BaseValue(data->mind), std::u16string(data->birth),
                   std::u16string(data->job), static_cast<std::uint16_t>(std::clamp(data->exp, 0, 65535))};
    result.known = data->known;
    result.listable = !data->birth.empty() && !data->job.empty() && data->exp >= 0;
  }
  if (!result.known) result.marker = MissingRow(BirthTableName(race, table), band);
  return result;
}

std::vector<TableRowCount> BirthTableRowCounts() {
  std::vector<TableRowCount> counts;
  for (const RaceTables& entry : kRaceTables) {
    for (const BirthTable& table : std::span(entry.tables.data(), entry.count)) {
      const std::u16string name = BirthTableName(entry.race, table);
      if (std::any_of(counts.begin(), counts.end(), [&](const TableRowCount& c) { return c.table == name; })) continue;
      TableRowCount count{name};
      for (int row = 0; row < LayoutRows(table.layout); ++row)
        (ReadBirthRow(entry.race, table, row).known ? count.real : count.missing) += 1;
      counts.push_back(count);
    }
  }
  return counts;
}

std::vector<std::u16string> StrayBirthDataRows() {
  std::vector<std::u16string> strays;
  ForEachBirthDataRow([&](const BirthDataRow& data) {
    bool placed = false;
    for (const RaceTables& entry : kRaceTables)
      for (const BirthTable& table : std::span(entry.tables.data(), entry.count))
        for (int row = 0; row < LayoutRows(table.layout); ++row)
          placed = placed || (Race(entry.race).tableName == data.race && table.book == data.book &&
                              LayoutBand(table.layout, row) == data.band);
    // A second row for the same band would never be read.
    const bool first = FindBirthDataRow(data.race, data.book, data.band) == &data;
    if (!placed || !first)
      strays.push_back(std::u16string(data.race) + u" " + std::u16string(data.book) + u" " + std::u16string(data.band));
  });
  return strays;
}

std::u16string BackgroundPhrase(int set, int position) {
  if (set < 1 || set > kBackgroundSets || position < 0 || position >= 36) return {};
  return Phrase(kBackgrounds[(set - 1) * 36 + position], u"経歴表");
}

std::u16string GeneralSkill(int set, int position) {
  if (set < 1 || set > kGeneralSkillSets || position < 0 || position >= 36) return {};
  return Phrase(kGeneralSkills[(set - 1) * 36 + position], u"一般技能表");
}

std::vector<TableRowCount> BackgroundRowCounts() {
  std::vector<TableRowCount> counts;
  CountPhraseSets(kBackgrounds, u"経歴表", counts);
  CountPhraseSets(kGeneralSkills, u"一般技能表", counts);
  return counts;
}

}  // namespace zr2
