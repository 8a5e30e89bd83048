#include "ui/SpinEdit.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "support/Sounds.h"
#include "ui/Application.h"

namespace {

// A visible top-level window holding one spin edit, routing its
// notifications the way a form does, and counting its changes.
class Host : public ui::Window {
public:
    explicit Host(int minValue = 0, int maxValue = 0, const char* text = "0") {
        RegisterWindowClass("RokabinaSpinEditTestHost", COLOR_BTNFACE);
        CreateHandle(0, "RokabinaSpinEditTestHost", "spin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 240, 120,
                     nullptr);
        spin.Create(hwnd_, 100, text, {10, 20, 49, 21}, HFONT(GetStockObject(DEFAULT_GUI_FONT)));
        spin.SetLimits(minValue, maxValue);
        spin.OnChange = [this] { ++changes; };
        SetFocus(spin.Handle());
    }

    void Type(const std::string& keys) {
        for (unsigned char c : keys) SendMessageA(spin.Handle(), WM_CHAR, c, 1);
    }
    void Key(WPARAM vk) { SendMessageA(spin.Handle(), WM_KEYDOWN, vk, 1); }
    // A mouse click on the upper or lower half of the arrows.
    void ClickArrow(bool up) {
        RECT r;
        GetClientRect(spin.UpDown(), &r);
        LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
        SendMessageA(spin.UpDown(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(spin.UpDown(), WM_LBUTTONUP, 0, at);
    }
    void LoseFocus() { SetFocus(hwnd_); }

    ui::SpinEdit spin{"SpinEdit1"};
    int changes = 0;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_COMMAND && lp && HWND(lp) == spin.Handle()) {
            spin.Notify(HIWORD(wp));
            return 0;
        }
        return Window::Dispatch(msg, wp, lp);
    }
};

struct ReadingCase {
    const char* text;
    int unbounded;  // reading in a field without bounds
    int oneToTen;   // reading in a field bounded 1 to 10
    friend std::ostream& operator<<(std::ostream& os, const ReadingCase& c) { return os << '"' << c.text << '"'; }
};

class Reading : public testing::TestWithParam<ReadingCase> {};

TEST_P(Reading, InvalidTextReadsAsTheLowerBound) {
    Host free;
    Host bounded(1, 10);
    free.spin.SetText(GetParam().text);
    bounded.spin.SetText(GetParam().text);
    EXPECT_EQ(free.spin.Value(), GetParam().unbounded);
    EXPECT_EQ(bounded.spin.Value(), GetParam().oneToTen);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Reading,
    testing::Values(ReadingCase{"42", 42, 42}, ReadingCase{"+7", 7, 7}, ReadingCase{"-5", -5, -5},
                    ReadingCase{"007", 7, 7}, ReadingCase{"25", 25, 25},  // out of range still reads as typed
                    ReadingCase{"2147483647", INT_MAX, INT_MAX}, ReadingCase{"-2147483648", INT_MIN, INT_MIN},
                    ReadingCase{"2147483648", 0, 1}, ReadingCase{"-2147483649", 0, 1},
                    ReadingCase{"99999999999999999999", 0, 1}, ReadingCase{"", 0, 1}, ReadingCase{"-", 0, 1},
                    ReadingCase{"+", 0, 1}, ReadingCase{"+-1", 0, 1}, ReadingCase{"12a", 0, 1},
                    ReadingCase{" 5", 0, 1}, ReadingCase{"5 ", 0, 1}, ReadingCase{"1.5", 0, 1},
                    ReadingCase{"１", 0, 1}));

struct SetValueCase {
    int minValue, maxValue, value;
    const char* text;
    friend std::ostream& operator<<(std::ostream& os, const SetValueCase& c) {
        return os << c.minValue << ".." << c.maxValue << " set " << c.value;
    }
};

class SetValueBounds : public testing::TestWithParam<SetValueCase> {};

TEST_P(SetValueBounds, ClampsOnlyWhenTheBoundsDiffer) {
    const auto& c = GetParam();
    Host host(c.minValue, c.maxValue);
    host.spin.SetValue(c.value);
    EXPECT_EQ(host.spin.Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Values, SetValueBounds,
                         testing::Values(SetValueCase{0, 0, -5, "-5"}, SetValueCase{0, 0, INT_MIN, "-2147483648"},
                                         SetValueCase{5, 5, 99, "99"}, SetValueCase{1, 10, 25, "10"},
                                         SetValueCase{1, 10, -3, "1"}, SetValueCase{1, 10, 7, "7"},
                                         SetValueCase{10, 1, 0, "1"}));  // bounds given in either order

TEST(SpinEdit, EveryTextChangeIsReportedAndSettingTheSameTextIsNot) {
    Host host;
    host.spin.SetText("");
    host.changes = 0;
    host.Type("12");
    EXPECT_EQ(host.spin.Text(), "12");
    EXPECT_EQ(host.changes, 2);
    host.spin.SetValue(12);
    EXPECT_EQ(host.changes, 2);
    host.spin.SetValue(13);
    host.Key(VK_UP);
    host.ClickArrow(true);
    EXPECT_EQ(host.spin.Text(), "15");
    EXPECT_EQ(host.changes, 5);
}

TEST(SpinEdit, AMinusSignAloneReadsAsZeroUntilADigitFollows) {
    Host host(0, 0, "");
    std::vector<int> readings;
    host.spin.OnChange = [&] { readings.push_back(host.spin.Value()); };
    host.Type("-5");
    EXPECT_EQ(readings, (std::vector<int>{0, -5}));
}

TEST(SpinEdit, AcceptedKeysEditWithoutASound) {
    char sep[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, sizeof sep);
    testsupport::SoundRecorder sounds;
    Host host(0, 0, "");
    host.Type(std::string("+-09") + sep[0]);
    EXPECT_EQ(host.spin.Text(), std::string("+-09") + sep[0]);
    host.Type("\b");
    EXPECT_EQ(host.spin.Text(), "+-09");
    EXPECT_TRUE(sounds.Sounds().empty());
}

TEST(SpinEdit, RefusedKeysBeepAndLeaveTheText) {
    for (std::string keys : {"a", " ", "\r", "*", "e", "\x7f", "\x82\xa0" /* あ */}) {
        SCOPED_TRACE(keys);
        testsupport::SoundRecorder sounds;
        Host host(0, 0, "7");
        host.Type(keys);
        EXPECT_EQ(host.spin.Text(), "7");
        EXPECT_EQ(host.changes, 0);
        ASSERT_FALSE(sounds.Sounds().empty());
        for (const auto& s : sounds.Sounds()) EXPECT_EQ(s.type, unsigned(MB_OK));
    }
    testsupport::SoundRecorder sounds;
    Host host(0, 0, "7");
    SendMessageA(host.spin.Handle(), WM_IME_CHAR, 0x82a0, 1);
    EXPECT_EQ(host.spin.Text(), "7");
    EXPECT_EQ(sounds.Sounds().size(), 1u);
}

// The program's loop lets the dialog manager see keys first: Enter must still
// reach the field to be refused.
TEST(SpinEdit, EnterTypedThroughTheMessageLoopIsRefusedWithTheBeep) {
    testsupport::SoundRecorder sounds;
    Host host(0, 0, "7");
    SetActiveWindow(host.Handle());
    SetFocus(host.spin.Handle());
    PostMessageA(host.spin.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(host.spin.Handle(), WM_KEYUP, VK_RETURN, 0xC0000001);
    PostQuitMessage(0);  // taken once the keys are handled
    auto& app = ui::Application::Instance();
    app.ClearTermination();
    app.Run(nullptr);
    app.ClearTermination();
    EXPECT_EQ(host.spin.Text(), "7");
    ASSERT_EQ(sounds.Sounds().size(), 1u);
    EXPECT_EQ(sounds.Sounds()[0].type, unsigned(MB_OK));
}

TEST(SpinEdit, ArrowsAndArrowKeysStepByOne) {
    Host host(0, 0, "5");
    for (int i = 0; i < 3; ++i) host.ClickArrow(true);
    EXPECT_EQ(host.spin.Text(), "8");
    // The arrows' own position stays put, so they never run into their own range.
    EXPECT_EQ(SendMessageA(host.spin.UpDown(), UDM_GETPOS32, 0, 0), 0);
    host.spin.SetValue(6);
    host.ClickArrow(false);
    host.ClickArrow(false);
    EXPECT_EQ(host.spin.Text(), "4");
    host.Key(VK_DOWN);
    EXPECT_EQ(host.spin.Text(), "3");
    host.Key(VK_UP);
    EXPECT_EQ(host.spin.Text(), "4");
    host.spin.SetText("abc");  // reads as 0
    host.Key(VK_DOWN);
    EXPECT_EQ(host.spin.Text(), "-1");
}

TEST(SpinEdit, SteppingStopsAtTheBoundsAndSaturatesWithoutThem) {
    Host bounded(1, 10, "10");
    bounded.ClickArrow(true);
    bounded.Key(VK_UP);
    EXPECT_EQ(bounded.spin.Text(), "10");
    EXPECT_EQ(bounded.changes, 0);
    bounded.spin.SetText("25");
    bounded.Key(VK_UP);
    EXPECT_EQ(bounded.spin.Text(), "10");
    bounded.spin.SetText("1");
    bounded.ClickArrow(false);
    EXPECT_EQ(bounded.spin.Text(), "1");

    Host free(0, 0, "2147483647");
    free.Key(VK_UP);
    EXPECT_EQ(free.spin.Text(), "2147483647");
    free.spin.SetText("-2147483648");
    free.ClickArrow(false);
    EXPECT_EQ(free.spin.Text(), "-2147483648");
}

struct FocusLossCase {
    int minValue, maxValue;
    const char* typed;
    int readingBefore;
    const char* textAfter;
    friend std::ostream& operator<<(std::ostream& os, const FocusLossCase& c) {
        return os << c.minValue << ".." << c.maxValue << " typed \"" << c.typed << '"';
    }
};

class FocusLoss : public testing::TestWithParam<FocusLossCase> {};

TEST_P(FocusLoss, BringsATypedValueIntoTheBounds) {
    const auto& c = GetParam();
    Host host(c.minValue, c.maxValue, "");
    host.Type(c.typed);
    EXPECT_EQ(host.spin.Value(), c.readingBefore);
    ASSERT_EQ(GetFocus(), host.spin.Handle());
    host.LoseFocus();
    EXPECT_EQ(host.spin.Text(), c.textAfter);
}

INSTANTIATE_TEST_SUITE_P(Typed, FocusLoss,
                         testing::Values(FocusLossCase{1, 10, "25", 25, "10"}, FocusLossCase{1, 10, "-3", -3, "1"},
                                         FocusLossCase{1, 10, "", 1, ""}, FocusLossCase{1, 10, "-", 1, "-"},
                                         FocusLossCase{1, 10, "7", 7, "7"}, FocusLossCase{0, 0, "99999", 99999, "99999"}));

TEST(SpinEdit, ArrowsLieInsideTheFieldAtItsRightEdge) {
    Host host;
    const auto b = host.spin.GetBounds();
    EXPECT_EQ(b.left, 10);
    EXPECT_EQ(b.top, 20);
    EXPECT_EQ(b.width, 49);
    EXPECT_EQ(b.height, 21);

    HWND arrows = host.spin.UpDown();
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(GetParent(arrows), host.spin.Handle());
    char cls[64] = {};
    GetClassNameA(arrows, cls, sizeof cls);
    EXPECT_STREQ(cls, UPDOWN_CLASSA);

    RECT client, r;
    GetClientRect(host.spin.Handle(), &client);
    GetWindowRect(arrows, &r);
    MapWindowPoints(HWND_DESKTOP, host.spin.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.right, client.right);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.bottom, client.bottom);
    EXPECT_GT(r.right - r.left, 0);
    LRESULT margins = SendMessageA(host.spin.Handle(), EM_GETMARGINS, 0, 0);
    EXPECT_GE(HIWORD(margins), r.right - r.left);  // text stops short of the arrows
}

}  // namespace
