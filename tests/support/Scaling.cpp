#include "support/Scaling.h"

#include <sstream>

#include "support/Dialogs.h"
#include "support/Process.h"

namespace testsupport {
namespace {

constexpr char kDesktop[] = "Control Panel\\Desktop";

void Collect(HWND parent, int depth, std::vector<LaidOut>& found) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        found.push_back({child, ClassName(child), ChildRect(child), depth});
        Collect(child, depth + 1, found);
    }
}

int Scaled(long v, UINT dpi) { return MulDiv(int(v), int(dpi), 96); }

}  // namespace

ScopedLogPixels::ScopedLogPixels(DWORD dpi) {
    DWORD size = sizeof old_;
    had_ = RegGetValueA(HKEY_CURRENT_USER, kDesktop, "LogPixels", RRF_RT_REG_DWORD, nullptr, &old_, &size) == 0;
    RegSetKeyValueA(HKEY_CURRENT_USER, kDesktop, "LogPixels", REG_DWORD, &dpi, sizeof dpi);
}

ScopedLogPixels::~ScopedLogPixels() {
    if (had_)
        RegSetKeyValueA(HKEY_CURRENT_USER, kDesktop, "LogPixels", REG_DWORD, &old_, sizeof old_);
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktop, "LogPixels");
}

std::vector<LaidOut> Descendants(HWND parent) {
    std::vector<LaidOut> found;
    Collect(parent, 0, found);
    return found;
}

testing::AssertionResult ScaledFrom(const std::vector<LaidOut>& at96, const std::vector<LaidOut>& now, UINT dpi,
                                    const std::vector<std::string>& wholeSize) {
    if (at96.size() != now.size())
        return testing::AssertionFailure() << now.size() << " windows at " << dpi << " dpi, " << at96.size() << " at 96";
    std::ostringstream wrong;
    for (size_t i = 0; i < at96.size(); ++i) {
        const LaidOut& a = at96[i];
        const LaidOut& b = now[i];
        if (a.className != b.className || a.depth != b.depth)
            return testing::AssertionFailure() << "window " << i << " is another at " << dpi << " dpi";
        const std::string& kind = a.className;
        // The arrows of spin edits and the fields of combo boxes are the platform's to place.
        if (kind == "msctls_updown32" || ClassName(GetParent(b.window)) == "ComboBox") continue;
        RECT expected{Scaled(a.rect.left, dpi), Scaled(a.rect.top, dpi), Scaled(a.rect.right, dpi),
                      Scaled(a.rect.bottom, dpi)};
        for (const std::string& whole : wholeSize)
            if (kind == whole) {
                expected.right = expected.left + Scaled(a.rect.right - a.rect.left, dpi);
                expected.bottom = expected.top + Scaled(a.rect.bottom - a.rect.top, dpi);
            }
        const bool placeOnly = kind == "Static" || kind == "ComboBox";
        // Their fonts' heights grow with the dpi, and so do theirs.
        const bool grown = b.rect.bottom - b.rect.top > a.rect.bottom - a.rect.top || dpi == 96;
        const bool same = placeOnly ? b.rect.left == expected.left && b.rect.top == expected.top &&
                                          (kind == "Static" || b.rect.right == expected.right) && grown
                                    : EqualRect(&b.rect, &expected);
        if (!same)
            wrong << "\n  " << kind << " " << i << " at (" << b.rect.left << ", " << b.rect.top << ")-(" << b.rect.right
                  << ", " << b.rect.bottom << "), not (" << expected.left << ", " << expected.top << ")-("
                  << expected.right << ", " << expected.bottom << ")";
    }
    if (wrong.str().empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "at " << dpi << " dpi:" << wrong.str();
}

testing::AssertionResult FollowsAMoveToDpiAndBack(HWND window, UINT dpi, const std::vector<std::string>& wholeSize) {
    constexpr UINT kDpiChanged = 0x02E0;
    RECT start;
    GetWindowRect(window, &start);
    const std::vector<LaidOut> at96 = Descendants(window);
    RECT suggested{start.left + 10, start.top + 20, start.left + 10 + Scaled(start.right - start.left, dpi),
                   start.top + 20 + Scaled(start.bottom - start.top, dpi)};
    SendMessageW(window, kDpiChanged, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
    RECT now;
    GetWindowRect(window, &now);
    if (!EqualRect(&now, &suggested)) return testing::AssertionFailure() << "the suggested rectangle was not taken";
    if (auto scaled = ScaledFrom(at96, Descendants(window), dpi, wholeSize); !scaled) return scaled;

    SendMessageW(window, kDpiChanged, MAKEWPARAM(96, 96), LPARAM(&start));
    GetWindowRect(window, &now);
    if (!EqualRect(&now, &start)) return testing::AssertionFailure() << "back at 96 dpi the window lies elsewhere";
    const std::vector<LaidOut> back = Descendants(window);
    for (size_t i = 0; i < at96.size() && i < back.size(); ++i)
        if (!EqualRect(&at96[i].rect, &back[i].rect))
            return testing::AssertionFailure() << "back at 96 dpi " << at96[i].className << " " << i << " moved";
    return testing::AssertionSuccess();
}

}  // namespace testsupport
