// The integer syntax of layout file values: decimal, or hexadecimal taken as
// a 32-bit pattern.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace layout {

// Leading spaces are skipped; then an optional "+" or "-" and either decimal
// digits (-2147483648 to 2147483647) or one of the prefixes "$", "x", "X",
// "0x", "0X" followed by hex digits that fit in 32 bits ($FFFFFFFF is -1; a
// sign before a prefix changes nothing). Anything else, including trailing
// characters, gives no value.
std::optional<int32_t> ParseProfileInteger(std::string_view text);

}  // namespace layout
