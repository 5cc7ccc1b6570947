// Finding birth rows by birth or class name, for making a character from a named birth.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "characters/CstZR2BirthTable.h"
#include "characters/cstZR2ShuzokuList.h"

namespace zr2 {

// Which races a search over all races covers (2.0 group words; 2.5 has only Any).
enum class RaceGroup { Any, Human, Barbarian };

struct BirthHit {
  RaceId race;
  const BirthTable* table;
  int row;   // -1: the ニート row
  int roll;  // the row's listing roll; 0 for ニート
};

// Hits of a birth or class name in the given races' tables of an edition, races in the order given,
// tables and rows in table order. A trailing rule-book marker limits the tables searched.
std::vector<BirthHit> SearchBirths(std::u16string_view name, Edition edition, const std::vector<RaceId>& races);

// The races an all-race search covers.
std::vector<RaceId> SearchedRaces(RaceGroup group, Edition edition);

}  // namespace zr2
