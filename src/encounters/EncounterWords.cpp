#include "encounters/EncounterWords.h"

#include <array>

#include "text/StringSearchUnit.h"

namespace zr2 {
namespace {

struct CategoryWords {
  std::u16string_view category;
  std::array<std::u16string_view, 6> words;  // unused places stay empty
};

// The words of different categories never overlap, so the order here decides nothing.
constexpr CategoryWords kCategoryWords[] = {
    {u"蛮族", {u"蛮族", u"ban", u"ba", u"b"}},
    {u"動物", {u"動物", u"animal", u"ani", u"an", u"a"}},
    {u"植物", {u"植物", u"pla", u"pl", u"plant", u"p"}},
    {u"アンデッド", {u"アンデッド", u"アンデット", u"und", u"un", u"undead", u"u"}},
    {u"魔動機", {u"魔動機", u"md", u"mc", u"魔動", u"機械"}},
    {u"魔法生物", {u"魔法生物", u"ma", u"mg", u"m"}},
    {u"妖精", {u"妖精", u"fai", u"fa", u"f"}},
    {u"魔神", {u"魔神", u"mj", u"mz", u"魔人"}},
    {u"幻獣", {u"幻獣", u"ge", u"gen", u"G"}},
    {u"人族", {u"人族", u"man", u"mn", u"人間", u"n"}},
    {u"水辺", {u"水辺", u"wat", u"wa", u"w"}},
    {u"遺跡", {u"遺跡", u"ruin", u"ru", u"r"}},
    {u"墳墓", {u"墳墓", u"tomb", u"to", u"t", u"grave", u"gr"}},
    {u"悪党", {u"悪党", u"evil", u"ev", u"e"}},
    {u"魔窟", {u"魔窟", u"den", u"de", u"d"}},
};

}  // namespace

std::u16string_view CategoryOfWord(std::u16string_view word) {
  if (word.empty()) return {};
  for (const CategoryWords& entry : kCategoryWords)
    if (IndexOfText(word, entry.words) >= 0) return entry.category;
  return {};
}

int CategoryIndex(std::u16string_view word, std::span<const std::u16string_view> categories) {
  const std::u16string_view category = CategoryOfWord(word);
  if (category.empty()) return -1;
  for (size_t i = 0; i < categories.size(); ++i)
    if (categories[i] == category) return static_cast<int>(i);
  return -1;
}

}  // namespace zr2
