// Filling the placeholders of table texts kept in the data files.
#pragma once
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace zr2 {

// Each "{}" takes the next number in turn; a "{}" past the numbers stays as it is.
std::u16string FillNumbers(std::u16string_view text, std::span<const long long> numbers);
std::u16string FillNumbers(std::u16string_view text, std::initializer_list<long long> numbers);

// Replaces every "{name}" by its value.
std::u16string FillNamed(std::u16string_view text,
                         std::initializer_list<std::pair<std::u16string_view, std::u16string_view>> values);

}  // namespace zr2
