#include "core/FloorWalk.h"

#include <gtest/gtest.h>

#include "support/Scratch.h"

namespace {

using bench::WalkAndList;
using testsupport::ScratchFolder;

// Every folder at any depth counts once; only the root's files are listed.
TEST(FloorWalk, CountsEveryFolderBelowTheRootAndListsTheRootFiles) {
    ScratchFolder dir;
    dir.MakeFolder("tree\\a\\b\\c");
    dir.MakeFolder("tree\\a\\d");
    dir.MakeFolder("tree\\資料\\表");  // "表" ends in byte 0x5C
    dir.MakeFolder("tree\\ソフト\\x");  // so does "ソ"
    dir.WriteFile("tree\\one.txt", "1");
    dir.WriteFile("tree\\文書.txt", "2");
    dir.WriteFile("tree\\other.doc", "3");
    dir.WriteFile("tree\\a\\deep.txt", "4");
    dir.WriteFile("tree\\資料\\表\\deeper.txt", "5");

    auto found = WalkAndList(dir / "tree", ".txt");
    EXPECT_EQ(found.folders, 8);
    EXPECT_EQ(found.files, 2);
    EXPECT_EQ(WalkAndList(dir / "tree\\", ".doc").files, 1);  // a trailing backslash is not doubled
}

TEST(FloorWalk, RootEndingInTrailByte5CIsAFolderName) {
    ScratchFolder dir;
    dir.MakeFolder("表\\sub");
    dir.WriteFile("表\\one.txt", "1");
    auto found = WalkAndList(dir / "表", ".txt");
    EXPECT_EQ(found.folders, 1);
    EXPECT_EQ(found.files, 1);
}

TEST(FloorWalk, MissingOrEmptyRootFindsNothing) {
    ScratchFolder dir;
    dir.MakeFolder("empty");
    for (const char* root : {"empty", "missing"}) {
        auto found = WalkAndList(dir / root, ".txt");
        EXPECT_EQ(found.folders, 0) << root;
        EXPECT_EQ(found.files, 0) << root;
    }
}

}  // namespace
