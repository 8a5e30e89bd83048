#include "layout/LayoutPath.h"

#include "base/Paths.h"

namespace layout {

std::string LayoutPathFor(const std::string& exePath) { return base::WithExtension(exePath, ".rkd"); }

}  // namespace layout
