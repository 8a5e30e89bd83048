#include "layout/LayoutPath.h"

#include "base/Paths.h"

namespace layout {

std::string LayoutPathFor(const std::string& exePath) { return base::WithExtension(exePath, ".rkd"); }
std::wstring LayoutPathFor(const std::wstring& exePath) { return base::WithExtension(exePath, L".rkd"); }

}  // namespace layout
