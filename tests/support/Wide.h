// A test's code page 932 text as the UTF-16 path or text the programs take.
#pragma once
#include <string>

#include "base/CodePage.h"

namespace testsupport {

inline std::wstring W(const std::string& text) { return base::ToWide(text); }

}  // namespace testsupport
