#include "characters/BirthSearch.h"

#include "text/StringUnit.h"

namespace zr2 {
namespace {

enum class BookMarker { None, I, II, IB };

// Removes a rule-book marker from the end of name; of two that fit, the longer one counts.
BookMarker TakeBookMarker(std::u16string& name, Edition edition) {
  struct Marker {
    std::u16string_view text;
    BookMarker book;
  };
  static constexpr Marker kMarkers[] = {
      {u"1", BookMarker::I},   {u"１", BookMarker::I},   {u"I", BookMarker::I},     {u"Ⅰ", BookMarker::I},
      {u"①", BookMarker::I},   {u"2", BookMarker::II},   {u"２", BookMarker::II},   {u"II", BookMarker::II},
      {u"Ⅱ", BookMarker::II},  {u"②", BookMarker::II},   {u"4", BookMarker::IB},    {u"４", BookMarker::IB},
      {u"IB", BookMarker::IB}, {u"いｂ", BookMarker::IB}, {u"ＩＢ", BookMarker::IB},
  };
  const Marker* best = nullptr;
  for (const Marker& marker : kMarkers) {
    if (edition == Edition::Zr25 && marker.book == BookMarker::IB) continue;
    if (name.ends_with(marker.text) && (best == nullptr || marker.text.size() > best->text.size())) best = &marker;
  }
  if (best == nullptr) return BookMarker::None;
  name.erase(name.size() - best->text.size());
  return best->book;
}

bool MarkerAllows(BookMarker marker, RaceId race, Edition edition, std::span<const BirthTable> tables, size_t index) {
  if (marker == BookMarker::None) return true;
  if (edition == Edition::Zr25)
    return (marker == BookMarker::I && index == 0) || (marker == BookMarker::II && index == 1);
  const bool twoBooks = tables.size() == 2 && tables[0].shelf == Shelf::Rule1;
  // Races 34-36 know only the markers I and II.
  const bool ibReadsBoth = twoBooks && race < 34;
  switch (tables[index].shelf) {
    case Shelf::Rule1:
      return marker == BookMarker::I || (marker == BookMarker::IB && ibReadsBoth);
    case Shelf::Rule2:
      return marker == BookMarker::II || (marker == BookMarker::IB && ibReadsBoth);
    case Shelf::IB:
      return marker == BookMarker::IB;
    case Shelf::BB:
      return false;
    case Shelf::Base:
      return marker == BookMarker::I || marker == BookMarker::II;
  }
  return false;
}

// A name matches the birth, or a class of the job ("ソーサラー" matches "ソーサラー Lv1 ／ コンジャラー Lv1").
bool Matches(std::u16string_view name, const TZRLiveData& row) {
  if (name.empty()) return false;
  if (name == row.Birth) return true;
  if (row.Job.empty()) return false;
  const std::u16string job = std::u16string(name) + u" Lv1";
  if (job == row.Job) return true;
  size_t sign = row.Job.find(u'／');
  if (sign == std::u16string::npos) sign = row.Job.find(u'＆');
  if (sign == std::u16string::npos) return false;
  const std::u16string_view whole = row.Job;
  return TrimBlanks(whole.substr(0, sign)) == job || TrimBlanks(whole.substr(sign + 1)) == job;
}

bool InRaces(RaceId race, std::initializer_list<int> list) {
  for (int r : list)
    if (r == race) return true;
  return false;
}

}  // namespace

std::vector<BirthHit> SearchBirths(std::u16string_view name, Edition edition, const std::vector<RaceId>& races) {
  std::vector<BirthHit> hits;
  if (name == u"ニート") {
    for (RaceId race : races) {
      const std::span<const BirthTable> tables = BirthTables(race, edition);
      if (!tables.empty()) hits.push_back({race, &tables[0], -1, 0});
    }
    return hits;
  }
  std::u16string wanted(name);
  const BookMarker marker = TakeBookMarker(wanted, edition);
  for (RaceId race : races) {
    const std::span<const BirthTable> tables = BirthTables(race, edition);
    for (size_t t = 0; t < tables.size(); ++t) {
      if (!MarkerAllows(marker, race, edition, tables, t)) continue;
      const BirthTable& table = tables[t];
      for (int row = 0; row < LayoutRows(table.layout); ++row)
        if (Matches(wanted, ReadBirthRow(race, table, row).data))
          hits.push_back({race, &table, row, LayoutListingRoll(table.layout, row)});
    }
  }
  return hits;
}

std::vector<RaceId> SearchedRaces(RaceGroup group, Edition edition) {
  std::vector<RaceId> races;
  for (RaceId race = 0; race < kRaceSlots; ++race) {
    if (!IsRace(race)) continue;
    if (edition == Edition::Zr20) {
      if (race >= 27 && race <= 30) continue;
      if (group == RaceGroup::Barbarian &&
          InRaces(race, {0, 2, 3, 4, 5, 6, 7, 8, 14, 15, 16, 19, 20, 24, 25, 26, 31, 33, 34, 35, 36}))
        continue;
      if (group == RaceGroup::Human && InRaces(race, {9, 10, 11, 12, 13, 17, 18, 21, 22, 32})) continue;
    }
    // In 2.5 only the races with tables of that edition yield hits.
    races.push_back(race);
  }
  return races;
}

}  // namespace zr2
