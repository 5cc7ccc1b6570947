// The words that name an encounter category.
#pragma once
#include <span>
#include <string_view>

namespace zr2 {

// The category a word names (蛮族 for "ban", "b", ...), compared without regard to case; empty when
// the word names none. Terrain and ruin words are not categories.
std::u16string_view CategoryOfWord(std::u16string_view word);

// Index of the category a word names within a table's list of categories, or -1.
int CategoryIndex(std::u16string_view word, std::span<const std::u16string_view> categories);

}  // namespace zr2
