// The viewer on folder trees whose listings are slow, as on a share over a
// slow link, or hang, as on one that went away (a slow file system mounted
// below the viewer copy): a progress window after half a second that answers
// and whose "中止" ends the walk with what it found, in the walk's order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "support/Dialogs.h"
#include "support/FolderListing.h"
#include "support/Process.h"
#include "support/Scratch.h"
#include "support/SlowMount.h"

namespace {

using namespace testsupport;

constexpr char kProgressClass[] = "TWalkProgress";

struct WindowSearch {
    DWORD pid;
    const char* cls;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND w, LPARAM lp) {
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == search->pid && ClassName(w) == search->cls) search->found = w;
    return !search->found;
}

// A top-level window of the process and class, shown or not.
HWND AnyTopWindow(DWORD processId, const char* className) {
    WindowSearch search{processId, className};
    EnumWindows(MatchWindow, LPARAM(&search));
    return search.found;
}

// The count the progress window shows ("見つかったフォルダ：N").
int ShownCount(HWND progress) {
    const std::string text = WindowText(ChildAt(progress, "Static", 12, 34));
    const size_t colon = text.rfind("：");
    return colon == std::string::npos ? -1 : std::atoi(text.c_str() + colon + std::string("：").size());
}

class SlowTree : public testing::Test {
protected:
    // Folders a\b\c, 4 x 4 x 4 and their parents: 84 listings.
    void MakeTree(const std::string& extra = "") {
        for (int a = 0; a < 4; ++a)
            for (int b = 0; b < 4; ++b)
                for (int c = 0; c < 4; ++c)
                    source.MakeFolder("d" + std::to_string(a) + "\\e" + std::to_string(b) + "\\f" + std::to_string(c));
        if (!extra.empty()) source.MakeFolder(extra);
        app.MakeFolder("tree");
        app.WriteFile("rokabina.rkd", LayoutText({"[extension]", "count=1", "ex1=.txt"}));
    }

    void Start() {
        viewer = std::make_unique<Process>(InstallProgram("rokabina.exe", app.Path()), app.Path());
    }

    // The chooser's items once the main window shows; the whole walk's, from the mount.
    std::vector<std::string> Chooser() {
        HWND window = viewer->WaitForWindow("TForm1", 60000);
        if (!window) return {};
        return ComboItems(ChildrenOfClass(window, "ComboBox").at(0));
    }

    ScratchFolder source, app;
    std::unique_ptr<Process> viewer;
};

testing::AssertionResult IsPrefixOf(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    if (part.size() > whole.size() || !std::equal(part.begin(), part.end(), whole.begin()))
        return testing::AssertionFailure() << part.size() << " items, not the first of the " << whole.size();
    return testing::AssertionSuccess();
}

TEST_F(SlowTree, ProgressShowsCountsWhatTheChooserHoldsAndStopGivesAPrefix) {
    MakeTree();
    SlowMount mount(source.Path(), app / "tree", {60});
    ASSERT_TRUE(mount.Mounted());
    Start();
    HWND progress = WaitForTopWindow(viewer->Id(), kProgressClass, 10000);
    ASSERT_NE(progress, nullptr) << "no progress window";
    EXPECT_EQ(WindowText(progress), "ロカビナ");
    HWND stop = ChildAt(progress, "Button", 122, 80);
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(WindowText(stop), "中止");

    // The count shown is what the chooser holds: read between two equal counts.
    HWND chooser = ChildrenOfClass(AnyTopWindow(viewer->Id(), "TForm1"), "ComboBox").at(0);
    bool agreed = false;
    for (int tries = 0; tries < 50 && !agreed; ++tries) {
        const int before = ShownCount(progress);
        const int items = int(SendMessageW(chooser, CB_GETCOUNT, 0, 0));
        agreed = before > 0 && before == ShownCount(progress) && items == before;
    }
    EXPECT_TRUE(agreed) << "the count shown never matched the chooser";

    PostMessageW(stop, BM_CLICK, 0, 0);
    const std::vector<std::string> shown = Chooser();
    EXPECT_FALSE(IsWindow(progress));
    const std::vector<std::string> whole = BreadthFirst(app.Path());
    EXPECT_TRUE(IsPrefixOf(shown, whole));
    EXPECT_LT(shown.size(), whole.size()) << "stopped before its end";
}

TEST_F(SlowTree, WithoutAStopTheWholeTreeIsListedAsOnAFastOne) {
    MakeTree();
    SlowMount mount(source.Path(), app / "tree", {10});
    ASSERT_TRUE(mount.Mounted());
    Start();
    EXPECT_EQ(Chooser(), BreadthFirst(app.Path()));
}

// A listing that hangs for seconds: the window still answers within 200 ms
// and says where it waits; "中止" is taken at once.
TEST_F(SlowTree, AHangingListingLeavesTheProgressWindowAnswering) {
    MakeTree("d0\\gone");
    SlowMount mount(source.Path(), app / "tree", {0, "gone", 5000});
    ASSERT_TRUE(mount.Mounted());
    Start();
    HWND progress = WaitForTopWindow(viewer->Id(), kProgressClass, 10000);
    ASSERT_NE(progress, nullptr);
    HWND reading = ChildAt(progress, "Static", 12, 54);
    for (int i = 0; i < 20 && WindowText(reading).find("gone") == std::string::npos; ++i) Sleep(100);
    EXPECT_NE(WindowText(reading).find("tree\\d0\\gone"), std::string::npos) << WindowText(reading);
    for (int i = 0; i < 10; ++i, Sleep(100)) {
        const DWORD start = GetTickCount();
        ASSERT_TRUE(SendMessageTimeoutW(progress, WM_NULL, 0, 0, SMTO_NORMAL, 200, nullptr)) << "no answer in 200 ms";
        EXPECT_LE(GetTickCount() - start, 200u);
    }
    const DWORD stopped = GetTickCount();
    PostMessageW(ChildAt(progress, "Button", 122, 80), BM_CLICK, 0, 0);
    while (IsWindow(progress) && GetTickCount() - stopped < 5000) Sleep(20);
    EXPECT_LT(GetTickCount() - stopped, 1000u) << "中止 was not taken at once";
    // Under Wine the first listing after it waits for the hanging one (one
    // lock for every listing of a process); on Windows it does not.
    EXPECT_TRUE(IsPrefixOf(Chooser(), BreadthFirst(app.Path())));
}

TEST(FastTree, ShowsNoProgressAndTheWalksOwnOrder) {
    ScratchFolder app;
    for (int a = 0; a < 6; ++a)
        for (int b = 0; b < 6; ++b) app.MakeFolder("d" + std::to_string(a) + "\\e" + std::to_string(b));
    app.WriteFile("rokabina.rkd", LayoutText({"[extension]", "count=1", "ex1=.txt"}));
    Process viewer(InstallProgram("rokabina.exe", app.Path()), app.Path());
    bool progressSeen = false;
    HWND window = nullptr;
    for (DWORD start = GetTickCount(); !window && GetTickCount() - start < 20000; Sleep(5)) {
        progressSeen = progressSeen || AnyTopWindow(viewer.Id(), kProgressClass);
        window = FindTopWindow(viewer.Id(), "TForm1");
    }
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(progressSeen);
    EXPECT_EQ(ComboItems(ChildrenOfClass(window, "ComboBox").at(0)), BreadthFirst(app.Path()));
}

}  // namespace
