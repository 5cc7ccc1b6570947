// Constant data of the birth side of character making: the birth tables of every race with their
// 2d6 band layouts, the background phrases (生まれ表) and the general skills.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/TableRowCount.h"
#include "characters/cstZR2ShuzokuList.h"

namespace zr2 {

enum TZR2TribesID : std::uint8_t {
  tidHumanRule1, tidHumanRule2, tidHumanIB, tidElfRule1, tidElfRule2, tidElfIB, tidDwarfRule1, tidDwarfRule2,
  tidDwarfIB, tidTabitRule1, tidTabitRule2, tidTabitIB, tidRuleForkRule1, tidRuneForkRule2, tidRuneForkIB,
  tidNightMareRule1, tidNightmareRule2, tidNightmareIB, tidRilDrakenRule1, tidRilDrakenRule2, tidRilDrakenIB,
  tidGlassRunnerRule1, tidGlassRunnerRule2, tidGlassRunnerIB, tidDrake, tidDrakeIB, tidDrakeBB, tidDarkTroll,
  tidDarkTrollIB, tidDarkTrollBB, tidLamya, tidLamyaIB, tidLamyaBB, tidLycanthrope, tidLycanthropeIB,
  tidLycanthropeBB, tidKobold, tidKoboldIB, tidKoboldBB, tidShadowRule1, tidShadowRule2, tidShadowIB, tidFee,
  tidFeeIB, tidFlowlight, tidFlowlightIB, tidWeakling, tidWeaklingIB, tidWeaklingBB, tidRalva, tidRalvaIB,
  tidRalvaBB, tidHighmanRule1, tidHighmanRule2, tidHighmanIB, tidMiacisRule1, tidMiacisRule2, tidDarkDwarfRule1,
  tidDarkDwarfRule2, tidBalkanRule1, tidBalkanRule2, tidValkyrieRule1, tidValkyrieRule2, tidSoleilRule1,
  tidSoleilRule2, tidLeprechaunRule1, tidLeprechaunRule2, tidDreikKnightRule1, tidDreikKnightRule2,
  tidBasiliskRule1, tidBasiliskRule2, tidLizardManRule1, tidLizardManRule2, tidCentaurusRule1, tidCentaurusRule2,
  tidSentian1Rule1, tidSentian1Rule2, tidSentian2Rule1, tidSentian2Rule2, tidSentian3Rule1, tidSentian3Rule2,
  tidLycantRule1, tidLycantRule2, tidMeliaRule1, tidMeliaRule2, tidTienceRule1, tidTienceRule2,
};
constexpr int kTribesIdCount = tidTienceRule2 + 1;

std::u16string_view TribesIdName(TZR2TribesID id);

// One birth row. Skill, Body and Mind are -1 for none.
struct TZRLiveData {
  std::int8_t Skill = -1;
  std::int8_t Body = -1;
  std::int8_t Mind = -1;
  std::u16string Birth;
  std::u16string Job;
  std::uint16_t Exp = 0;
};

// The row of any roll that falls in no band.
TZRLiveData NeetRow();

enum class Edition : std::uint8_t { Zr20, Zr25 };

// Which book a table comes from; Base is a table without a book suffix.
enum class Shelf : std::uint8_t { Rule1, Rule2, IB, BB, Base };

// 2d6 band layouts 'A'..'K' (no 'I').
int LayoutRows(char16_t layout);
// The row a 2d6 roll picks, or -1 when the roll is in no band.
int LayoutRowOfRoll(char16_t layout, int roll);
// The first roll of the row's band.
int LayoutListingRoll(char16_t layout, int row);
// The band as the data files write it: "7", "8-9", or "2,8" for a band of two apart rolls.
std::u16string LayoutBand(char16_t layout, int row);

struct BirthTable {
  TZR2TribesID id;
  Shelf shelf;
  char16_t layout;
  std::u16string_view book;  // book column of the data files
};

// A race's tables for an edition, the Rule1 or suffix-less table first; empty when it has none.
std::span<const BirthTable> BirthTables(RaceId race, Edition edition);

// Rule-book code of a table id (0 for the tables that carry none).
int RuleBookCode(TZR2TribesID id);

// A row as the data files have it. Known rows fill everything; a row nobody has leaves Birth empty
// and carries the marker; a row known only in part keeps its known fields and carries the marker too.
struct BirthRow {
  TZRLiveData data;
  bool known = false;
  bool listable = false;  // Birth, Job and Exp are all known
  std::u16string marker;  // empty for a known row
};
BirthRow ReadBirthRow(RaceId race, const BirthTable& table, int row);

// Per table (each data table once): rows known and rows nobody here has.
std::vector<TableRowCount> BirthTableRowCounts();
// Data rows that belong to no table band (a mistyped race, book or band); empty when all fit.
std::vector<std::u16string> StrayBirthDataRows();

// Background phrases: sets 1-6 of 36, d66 position 0-35. Unknown rows give their marker.
constexpr int kBackgroundSets = 6;
std::u16string BackgroundPhrase(int set, int position);
// General skills: sets 1-2 of 36.
constexpr int kGeneralSkillSets = 2;
std::u16string GeneralSkill(int set, int position);
std::vector<TableRowCount> BackgroundRowCounts();

}  // namespace zr2
