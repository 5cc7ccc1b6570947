#include "tables/TextTemplate.h"

#include "dice/Arithmetic.h"
#include "text/StringConvertUnit.h"

namespace zr2 {

std::u16string FillNumbers(std::u16string_view text, std::span<const long long> numbers) {
  std::u16string result;
  size_t next = 0;
  for (size_t at = 0; at < text.size();) {
    if (next < numbers.size() && text.substr(at, 2) == u"{}") {
      result += FormatInteger(numbers[next++]);
      at += 2;
    } else {
      result += text[at++];
    }
  }
  return result;
}

std::u16string FillNumbers(std::u16string_view text, std::initializer_list<long long> numbers) {
  return FillNumbers(text, std::span<const long long>(numbers.begin(), numbers.size()));
}

std::u16string FillNamed(std::u16string_view text,
                         std::initializer_list<std::pair<std::u16string_view, std::u16string_view>> values) {
  std::u16string result(text);
  for (const auto& [name, value] : values) result = ReplaceAll(result, u"{" + std::u16string(name) + u"}", value);
  return result;
}

}  // namespace zr2
