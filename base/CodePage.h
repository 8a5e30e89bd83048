// Text between code pages through the platform's conversion: the programs'
// text and the layout file are code page 932; paths, names and the wide
// forms of the platform's messages UTF-16. No conversion here maps a
// character to a look-alike (best fit): "café" never becomes "cafe", nor "¥" a
// backslash.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace base {

constexpr unsigned kShiftJis = 932;

std::wstring ToWide(std::string_view text, unsigned codePage = kShiftJis);
// For showing only: a character the code page lacks becomes "?".
std::string FromWide(std::wstring_view text, unsigned codePage = kShiftJis);
// Nothing when a character does not fit the code page: for text that must
// name exactly what it named.
std::optional<std::string> FromWideExactly(std::wstring_view text, unsigned codePage = kShiftJis);

}  // namespace base
