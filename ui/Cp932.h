// Helpers for text in code page 932 (Shift-JIS), where a character is one or
// two bytes and a trail byte may look like "\" (0x5C) or "." (0x2E is never a
// trail byte, but 0x5C is).
#pragma once
#include <string>
#include <string_view>

namespace ui {

constexpr unsigned kShiftJis = 932;

bool IsLeadByte(char c);
// Start offset of each whole character is found by walking from the front.
size_t LastCharOffset(std::string_view text);
// The last whole character (one or two bytes); empty for an empty text.
std::string_view LastChar(std::string_view text);
bool EndsWithBackslash(std::string_view text);
// Offset of the last "\", ":" or "/" that is a character of its own, or npos.
size_t LastSeparator(std::string_view text, std::string_view separators = "\\");
// Offset of the last whole-character "." after the last separator, or npos.
size_t ExtensionDot(std::string_view text, std::string_view separators = "\\");

std::wstring ToWide(std::string_view text, unsigned codePage = kShiftJis);
std::string FromWide(std::wstring_view text, unsigned codePage = kShiftJis);

}  // namespace ui
