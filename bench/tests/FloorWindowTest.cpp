#include "core/FloorWindow.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/RefillProbe.h"
#include "support/Process.h"
#include "support/Scratch.h"

namespace {

using bench::FloorWindow;
using testsupport::ComboItems;
using testsupport::ListItems;
using testsupport::ScratchFolder;
using Names = std::vector<std::string>;

constexpr DWORD kTimeoutMs = 5000;

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

// A root with two files of the listed kind, one of another, and below it a
// folder whose name ends in byte 0x5C ("表") with one file of its own.
struct FloorTree {
    ScratchFolder dir;
    std::string root = dir.MakeFolder("root");
    FloorTree() {
        dir.MakeFolder("root\\資料\\表");
        dir.WriteFile("root\\one.txt", "1");
        dir.WriteFile("root\\文書.txt", "2");
        dir.WriteFile("root\\other.doc", "3");
        dir.WriteFile("root\\資料\\表\\deep.txt", "4");
    }
};

// With lists or without, the walk and the listing count the same.
TEST(FloorWindow, FillCountsTheFoldersBelowAndTheRootFiles) {
    FloorTree tree;
    for (bool withLists : {true, false}) {
        FloorWindow window(withLists, ".txt");
        auto found = window.Fill(tree.root);
        EXPECT_EQ(found.folders, 2) << withLists;
        EXPECT_EQ(found.files, 2) << withLists;
        EXPECT_EQ(window.Chooser() != nullptr, withLists);
        EXPECT_EQ(window.List() != nullptr, withLists);
    }
}

TEST(FloorWindow, FillsTheChooserWithTheWalkAndTheListWithTheRootFiles) {
    FloorTree tree;
    FloorWindow window(true, ".txt");
    window.Fill(tree.root);
    EXPECT_EQ(ComboItems(window.Chooser()),
              (Names{tree.root + "\\", tree.root + "\\資料", tree.root + "\\資料\\表"}));
    EXPECT_EQ(Sorted(ListItems(window.List())), (Names{"one.txt", "文書.txt"}));
}

TEST(FloorWindow, APickInTheChooserRefillsTheListWithThatFolder) {
    FloorTree tree;
    FloorWindow window(true, ".txt");
    window.Fill(tree.root);
    struct Pick {
        int item;
        Names files;
    };
    const Pick picks[] = {{2, {"deep.txt"}}, {1, {}}, {0, {"one.txt", "文書.txt"}}};
    for (const Pick& pick : picks) {
        SendMessageA(window.Chooser(), CB_SETCURSEL, WPARAM(pick.item), 0);
        SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window.Chooser()), CBN_SELCHANGE),
                     LPARAM(window.Chooser()));
        EXPECT_EQ(Sorted(ListItems(window.List())), pick.files) << pick.item;
    }
}

TEST(FloorWindow, TheRefillProbePicksTheRootAndCountsTheListAfterwards) {
    FloorTree tree;
    FloorWindow window(true, ".txt");
    window.Fill(tree.root);
    SendMessageA(window.List(), LB_RESETCONTENT, 0, 0);
    auto refill = bench::TimeRefill(window.Handle(), kTimeoutMs);
    ASSERT_TRUE(refill);
    EXPECT_EQ(refill->items, 2);
    EXPECT_GE(refill->ms, 0);

    FloorWindow bare(false, ".txt");
    EXPECT_FALSE(bench::TimeRefill(bare.Handle(), kTimeoutMs));  // no chooser, no list
}

}  // namespace
