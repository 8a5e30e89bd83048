// The integer syntax of layout values: every value parsed round-trips through
// its decimal form and its "$" hexadecimal form, leading spaces change
// nothing, and every 32-bit number's decimal form parses to itself.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "layout/ProfileInteger.h"
#include "fuzz/Invariant.h"

using layout::ParseProfileInteger;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<int32_t> value = ParseProfileInteger(text);
    INVARIANT(ParseProfileInteger(" " + std::string(text)) == value);
    if (value) {
        INVARIANT(ParseProfileInteger(std::to_string(*value)) == value);
        char hex[16];
        std::snprintf(hex, sizeof hex, "$%X", unsigned(uint32_t(*value)));
        INVARIANT(ParseProfileInteger(hex) == value);
    }
    if (size >= 4) {
        int32_t number;
        std::memcpy(&number, data, sizeof number);
        INVARIANT(ParseProfileInteger(std::to_string(number)) == number);
    }
    return 0;
}
