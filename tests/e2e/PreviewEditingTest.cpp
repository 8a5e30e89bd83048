// The real designer's preview driven by real mouse and key input: drags
// move and size elements through their fields, the preview's own controls
// never act, Escape puts a drag back, and Ctrl+Z and Ctrl+Y take a drag
// back and bring it again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "support/Dialogs.h"
#include "support/Input.h"
#include "support/Process.h"
#include "support/Scratch.h"

namespace {

using namespace testsupport;

class PreviewByHand : public testing::Test {
protected:
    void SetUp() override {
        designer = std::make_unique<Process>(InstallProgram("rokabina_designer.exe", dir.Path()), dir.Path());
        window = designer->WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
        mock = ChildAt(ChildAt(window, "TFrame3", 0, 0), "TFrame2", 64, 23);
        ASSERT_NE(mock, nullptr);
        ASSERT_TRUE(WaitUntilTakesInput(window));
    }

    // A point of the mock window on the screen.
    POINT At(int x, int y) const {
        POINT p{x, y};
        ClientToScreen(mock, &p);
        return p;
    }
    // The value of the field at that place of the designer's window, once
    // the designer has taken the input so far.
    std::string Field(int left, int top) const {
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr);
        return WindowText(ChildAt(window, "Edit", left, top));
    }

    ScratchFolder dir;
    std::unique_ptr<Process> designer;
    HWND window = nullptr, mock = nullptr;
};

// The first button (0, 240, 89 x 25) and its fields (360, 208 and 232;
// 456, 208 and 232); no edge comes within 4 pixels of another on the way.
TEST_F(PreviewByHand, DragsMoveAndSizeThroughTheFieldsAndCtrlZTakesThemBack) {
    MouseDrag(At(44, 252), At(54, 242));  // by 10 and -10
    EXPECT_EQ(Field(360, 208), "10");
    EXPECT_EQ(Field(456, 208), "230");
    HWND button = ChildAt(mock, "Button", 10, 230);
    ASSERT_NE(button, nullptr) << "the button did not move there";

    MouseDrag(At(99, 255), At(79, 245));  // its bottom-right grip, by -20 and -10
    EXPECT_EQ(Field(360, 232), "69");
    EXPECT_EQ(Field(456, 232), "15");
    const RECT sized = ChildRect(button);
    EXPECT_EQ(sized.right - sized.left, 69);
    EXPECT_EQ(sized.bottom - sized.top, 15);

    PressKey('Z', {VK_CONTROL});
    EXPECT_EQ(Field(360, 232), "89");
    EXPECT_EQ(Field(456, 232), "25");
    PressKey('Z', {VK_CONTROL});
    EXPECT_EQ(Field(360, 208), "0");
    EXPECT_EQ(Field(456, 208), "240");
    PressKey('Y', {VK_CONTROL});
    EXPECT_EQ(Field(360, 208), "10");
    EXPECT_EQ(Field(456, 208), "230");
}

TEST_F(PreviewByHand, ThePreviewsControlsNeverActAndEscapePutsADragBack) {
    HWND button = ChildAt(mock, "Button", 0, 240);
    ASSERT_NE(button, nullptr);
    MouseTo(At(44, 252));
    MouseButton(true);
    EXPECT_FALSE(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) << "the button was pressed";
    MouseButton(false);

    HWND chooser = ChildAt(mock, "ComboBox", 0, 72);
    MouseClick(At(170, 80));  // its drop-down arrow
    EXPECT_FALSE(SendMessageW(chooser, CB_GETDROPPEDSTATE, 0, 0)) << "the chooser dropped down";
    MouseClick(At(40, 80));  // its text field, which is a window of its own

    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    EXPECT_EQ(info.hwndFocus, mock) << "the preview, not a control of it, has the focus";

    MouseTo(At(132, 252));  // the second button, dragged 30 to the right
    MouseButton(true);
    MouseTo(At(147, 252));
    MouseTo(At(162, 252));
    EXPECT_EQ(Field(584, 208), "118");
    PressKey(VK_ESCAPE);
    MouseButton(false);
    EXPECT_EQ(Field(584, 208), "88");
    EXPECT_NE(ChildAt(mock, "Button", 88, 240), nullptr);
}

}  // namespace
