// Display scaling in tests: the prefix's dpi for the programs a test starts,
// and the rule every window's children follow at D dpi.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

// Sets the dpi that programs started from now on read at their start (Wine
// reads HKCU\Control Panel\Desktop LogPixels then), and puts the old value
// back afterwards.
class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi);
    ~ScopedLogPixels();
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

private:
    DWORD old_ = 0;
    bool had_ = false;
};

// A window below another (any depth, in stacking order) and where it lies in its parent.
struct LaidOut {
    HWND window;
    std::string className;
    RECT rect;
    int depth;
};
std::vector<LaidOut> Descendants(HWND parent);

// Whether `now` (at dpi) is `at96` scaled by edges. A combo box's height is
// its font's, and a label's size its text's: their places are compared, and
// that they grew with the font; windows standing for a client area
// (`wholeSize`) scale their size whole.
testing::AssertionResult ScaledFrom(const std::vector<LaidOut>& at96, const std::vector<LaidOut>& now, UINT dpi,
                                    const std::vector<std::string>& wholeSize = {});

// A window of this process at 96 dpi told, as the platform tells it, that it
// moved to a monitor of `dpi`, then back: it must take each suggested
// rectangle, lay its children out by the rule, and be at 96 dpi again as it
// was, to the pixel.
testing::AssertionResult FollowsAMoveToDpiAndBack(HWND window, UINT dpi,
                                                  const std::vector<std::string>& wholeSize = {});

}  // namespace testsupport
