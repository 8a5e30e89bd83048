#include "base/ShiftJis.h"

namespace base {

bool IsLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

size_t CharSizeAt(std::string_view text, size_t offset) {
    return IsLeadByte(text[offset]) && offset + 1 < text.size() ? 2 : 1;
}

size_t LastCharOffset(std::string_view text) {
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += CharSizeAt(text, i)) last = i;
    return last;
}

std::string_view LastChar(std::string_view text) {
    if (text.empty()) return {};
    return text.substr(LastCharOffset(text));
}

bool EndsWithBackslash(std::string_view text) { return LastChar(text) == "\\"; }

}  // namespace base
