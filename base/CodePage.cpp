#include "base/CodePage.h"

#include <windows.h>

namespace base {
namespace {

// UTF-8 and UTF-7 take neither flag nor default character.
DWORD NoBestFit(unsigned codePage) { return codePage == CP_UTF8 || codePage == CP_UTF7 ? 0 : WC_NO_BEST_FIT_CHARS; }

}  // namespace

std::wstring ToWide(std::string_view text, unsigned codePage) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), wide.data(), n);
    return wide;
}

std::string FromWide(std::wstring_view text, unsigned codePage) {
    if (text.empty()) return {};
    const DWORD flags = NoBestFit(codePage);
    int n = WideCharToMultiByte(codePage, flags, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size_t(n), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), int(text.size()), narrow.data(), n, nullptr, nullptr);
    return narrow;
}

std::optional<std::string> FromWideExactly(std::wstring_view text, unsigned codePage) {
    if (text.empty()) return std::string();
    const DWORD flags = NoBestFit(codePage);
    BOOL lost = FALSE;
    BOOL* lostFlag = flags ? &lost : nullptr;
    int n = WideCharToMultiByte(codePage, flags, text.data(), int(text.size()), nullptr, 0, nullptr, lostFlag);
    if (n <= 0 || lost) return std::nullopt;
    std::string narrow(size_t(n), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), int(text.size()), narrow.data(), n, nullptr, lostFlag);
    if (lost) return std::nullopt;
    return narrow;
}

}  // namespace base
