// The LL random treasure tables: 14 tables of 36 items in d66 order.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace zr2 {

enum class TLLTreasureCategory : std::uint8_t {
  dcNone, dcAxBKaramiS, dcAxA, dcAxS, dcAxPitchS, dcAxSS, dcAxPitchSS, dcWarHummerB, dcWarHummerA,
  dcWarHummerS, dcWarHummerSS, dcWarHummerPitchSS, dcGunB, dcGunA, dcGunS, dcGunSS, dcCrossBowA, dcCrossBowS,
  dcCrossBowSS, dcStuffB, dcStuffA, dcStuffS, dcStuffSS, dcSpearB, dcSpearA, dcSpearS, dcSpearSS,
  dcSpearPitchSS, dcSwordB, dcSwordBPitchS, dcSwordA, dcSwordS, dcSwordPitchS, dcSwordSS, dcFlailA, dcFlailS,
  dcFlailSS, dcBowA, dcBowS, dcBowSS, dcPotion, dcMaceA, dcMaceS, dcMaceSS, dcWears, dcMeleeS, dcMeleeSS,
  dcExhcange, dcFace, dcRiderAcce, dcRiderArms, dcRiderArmer, dcRiderMedic, dcMetalArmerB, dcMetalArmerA,
  dcMetalArmerS, dcMetalArmerSS, dcCash, dcWaist, dcEar, dcHand, dcNech, dcShieldB, dcShieldA, dcShieldS,
  dcShieldSS, dcSupplies, dcFoot, dcPitchB, dcPitchA, dcPitchS, dcPitchSS, dcHead, dcAccessory, dcBack,
  dcNonmetalArmerB, dcNonmetalArmerA, dcNonmetalArmerS, dcNonmetalArmerSS, dcSkillItem, dcItem, dcBikeWeapon,
  dcBikeRepair, dcArrow, dcMedicine, dcLinkagePitchA, dcLinkageS, dcLinkageSS
};
constexpr int kLLTreasureCategoryCount = 88;

enum class TLLTreasureRule : std::uint8_t { ltRuleNone, ltRule1, ltRule2, ltRule3, ltRuleAW, ltRuleCG, ltRuleWT, ltRulePZ, ltRuleLL };

struct TLLTreasureUnit {
  std::u16string_view Name;
  std::int32_t Price = 0;  // G; 0 when the table gives none
  TLLTreasureCategory Category = TLLTreasureCategory::dcNone;
  std::int32_t LLIndex = 0;  // page in the LL book; 0 when none
  TLLTreasureRule RuleID = TLLTreasureRule::ltRuleNone;
  std::int32_t RulePage = 0;
};

// Empty for dcNone.
std::u16string_view CategoryName(TLLTreasureCategory category);
// The code written after 詳細: ("AW", "1", ...); empty for ltRuleNone.
std::u16string_view RuleCode(TLLTreasureRule rule);

constexpr int kLLTableCount = 14;  // A1 A2 A3 B1 B2 C D E F G H I J K
constexpr int kLLTableRows = 36;

// Index of the table named like "A1" or "C" (-1 for none).
int LLTableIndex(std::u16string_view name);
std::u16string_view LLTableName(int table);
// Row 0..35 in d66 order; nothing when the book's row is not filled in.
std::optional<TLLTreasureUnit> LLTreasureItem(int table, int row);

}  // namespace zr2
