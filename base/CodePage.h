// Text between code pages through the platform's conversion: the programs'
// text is code page 932, the wide forms of the platform's messages UTF-16.
#pragma once
#include <string>
#include <string_view>

namespace base {

constexpr unsigned kShiftJis = 932;

std::wstring ToWide(std::string_view text, unsigned codePage = kShiftJis);
std::string FromWide(std::wstring_view text, unsigned codePage = kShiftJis);

}  // namespace base
