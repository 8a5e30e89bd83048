#include "ui/Cp932.h"

#include <windows.h>

namespace ui {

bool IsLeadByte(char c) {
    unsigned char b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

size_t LastCharOffset(std::string_view text) {
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1)
        last = i;
    return last;
}

std::string_view LastChar(std::string_view text) {
    if (text.empty()) return {};
    return text.substr(LastCharOffset(text));
}

bool EndsWithBackslash(std::string_view text) { return LastChar(text) == "\\"; }

size_t LastSeparator(std::string_view text, std::string_view separators) {
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < text.size();) {
        if (IsLeadByte(text[i]) && i + 1 < text.size()) {
            i += 2;
            continue;
        }
        if (separators.find(text[i]) != std::string_view::npos) found = i;
        ++i;
    }
    return found;
}

size_t ExtensionDot(std::string_view text, std::string_view separators) {
    size_t sep = LastSeparator(text, separators);
    size_t start = sep == std::string_view::npos ? 0 : sep + 1;
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < text.size();) {
        if (IsLeadByte(text[i]) && i + 1 < text.size()) {
            i += 2;
            continue;
        }
        if (i >= start && text[i] == '.') found = i;
        ++i;
    }
    return found;
}

std::wstring ToWide(std::string_view text, unsigned codePage) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), wide.data(), n);
    return wide;
}

std::string FromWide(std::wstring_view text, unsigned codePage) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size_t(n), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), narrow.data(), n, nullptr, nullptr);
    return narrow;
}

}  // namespace ui
