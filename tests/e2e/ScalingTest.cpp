// Both programs started at 96, 120, 144 and 192 dpi: every window is laid out
// from its 96-dpi values scaled by D/96 (edges scaled, so that what touches
// at 96 dpi still touches), its fonts grow with D, and the layout file the
// designer saves is the same at every D.
#include <gtest/gtest.h>

#include "support/Dialogs.h"
#include "support/Process.h"
#include "support/Scaling.h"
#include "support/Scratch.h"

namespace {

using namespace testsupport;

const UINT kDpis[] = {96, 120, 144, 192};

int Scaled(int v, UINT dpi) { return MulDiv(v, int(dpi), 96); }

SIZE ClientSizeOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

TEST(Scaling, TheViewerIsLaidOutFromItsLayoutAtEveryDpi) {
    ScratchFolder dir;
    dir.WriteFile("rokabina.rkd",
                  LayoutText({"[Width]", "Form=220", "image1=151", "ListBox1=201", "ComboBox1=140", "Button2=96",
                              "[Height]", "Form=262", "image1=55", "ListBox1=70", "Button1=30", "[Left]", "image1=13",
                              "ComboBox1=20", "ListBox1=9", "Button2=110", "[Top]", "image1=6", "ComboBox1=64",
                              "ListBox1=100", "Button1=225", "Button2=230", "[extension]", "count=1", "ex1=.none"}));
    const std::string exe = InstallProgram("rokabina.exe", dir.Path());
    std::vector<LaidOut> at96;
    int comboHeight = 0;
    for (UINT dpi : kDpis) {
        SCOPED_TRACE(dpi);
        ScopedLogPixels scaling(dpi);
        Process viewer(exe, dir.Path());
        HWND window = viewer.WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
        const SIZE client = ClientSizeOf(window);
        EXPECT_EQ(client.cx, Scaled(220, dpi));
        EXPECT_EQ(client.cy, Scaled(262, dpi));
        const std::vector<LaidOut> now = Descendants(window);
        if (dpi == 96) at96 = now;
        EXPECT_TRUE(ScaledFrom(at96, now, dpi));
        HWND combo = ChildrenOfClass(window, "ComboBox").at(0), list = ChildrenOfClass(window, "ListBox").at(0);
        EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), Scaled(12, dpi));
        EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), Scaled(12, dpi));
        const int height = ChildRect(combo).bottom - ChildRect(combo).top;
        EXPECT_GT(height, comboHeight) << "the chooser's font grows with the dpi";
        comboHeight = height;
    }
}

TEST(Scaling, TheDesignerIsLaidOutAtEveryDpiAndSavesTheSameFile) {
    ScratchFolder dir;
    const std::string exe = InstallProgram("rokabina_designer.exe", dir.Path());
    std::vector<LaidOut> at96;
    SIZE client96{};
    for (UINT dpi : kDpis) {
        SCOPED_TRACE(dpi);
        ScopedLogPixels scaling(dpi);
        Process designer(exe, dir.Path());
        HWND window = designer.WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
        const SIZE client = ClientSizeOf(window);
        if (dpi == 96) client96 = client;
        EXPECT_EQ(client.cx, Scaled(client96.cx, dpi));
        EXPECT_EQ(client.cy, Scaled(client96.cy, dpi));
        const std::vector<LaidOut> now = Descendants(window);
        if (dpi == 96) at96 = now;
        EXPECT_TRUE(ScaledFrom(at96, now, dpi, {"TFrame2"}));

        const std::string saved = dir / ("at" + std::to_string(dpi) + ".rkd");
        FileDialogAnswer dialog(saved, designer.Id());
        ChooseFromMenuBar(window, 3);  // 名前を付けて保存
        ASSERT_TRUE(dialog.Wait().found);
        ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 20000, nullptr));
        EXPECT_EQ(ReadWholeFile(saved), FreshDesignerLayout());
    }
}

}  // namespace
