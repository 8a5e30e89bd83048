// Whole characters of code page 932 (Shift-JIS) text, where a character is
// one or two bytes and a trail byte may look like "\" (0x5C) or other ASCII
// punctuation. Portable: no platform call, so the rule is the same wherever
// it is built.
#pragma once
#include <cstddef>
#include <string_view>

namespace base {

// Lead bytes of code page 932: 0x81-0x9F and 0xE0-0xFC.
bool IsLeadByte(char c);
// The size of the whole character at offset (1 or 2; 1 for a lead byte at the end).
size_t CharSizeAt(std::string_view text, size_t offset);
// Start offset of the last whole character; 0 for an empty text.
size_t LastCharOffset(std::string_view text);
// The last whole character (one or two bytes); empty for an empty text.
std::string_view LastChar(std::string_view text);
bool EndsWithBackslash(std::string_view text);

}  // namespace base
