#include "layout/ProfileInteger.h"

namespace layout {
namespace {

std::optional<unsigned> HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return unsigned(c - '0');
    if (c >= 'a' && c <= 'f') return unsigned(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return unsigned(c - 'A' + 10);
    return std::nullopt;
}

// The digits after a hexadecimal prefix, or nothing when there is no prefix.
std::optional<std::string_view> AfterHexPrefix(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) return text.substr(2);
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return text.substr(1);
    return std::nullopt;
}

std::optional<int32_t> ParseHexDigits(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    uint32_t value = 0;
    for (char c : digits) {
        auto digit = HexDigitValue(c);
        if (!digit || value > 0x0FFFFFFFu) return std::nullopt;  // not hex, or a ninth significant digit
        value = value << 4 | *digit;
    }
    return static_cast<int32_t>(value);
}

std::optional<int32_t> ParseDecimalDigits(std::string_view digits, bool negative) {
    if (digits.empty()) return std::nullopt;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;  // stops long inputs before they overflow
    }
    return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<int32_t> ParseProfileInteger(std::string_view text) {
    size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    text.remove_prefix(start);

    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (auto hexDigits = AfterHexPrefix(text)) return ParseHexDigits(*hexDigits);
    return ParseDecimalDigits(text, negative);
}

}  // namespace layout
