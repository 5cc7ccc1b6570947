// The table command: one line of words routed to the content tables.
#pragma once
#include <string>
#include <string_view>

namespace zr2 {

// The table's result, or empty when nothing answers. channel is read only for its registration.
std::u16string RunTableCommand(std::u16string_view text, std::u16string_view channel);

}  // namespace zr2
