#include "layout/LayoutPath.h"

#include "ui/Cp932.h"

namespace layout {

std::string LayoutPathFor(const std::string& exePath) {
    size_t dot = ui::ExtensionDot(exePath);
    return exePath.substr(0, dot) + ".rkd";  // npos keeps the whole name
}

std::string FolderOf(const std::string& path) {
    size_t separator = ui::LastSeparator(path);
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string FileNameOf(const std::string& path) {
    size_t separator = ui::LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace layout
