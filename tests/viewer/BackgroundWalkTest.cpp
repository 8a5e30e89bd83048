// The walk on a worker: what it hands over is what the component's walk
// reports, in its order, without what the skip rule keeps it out of; stopped,
// a prefix of that.
#include "viewer/BackgroundWalk.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/FolderListing.h"
#include "support/Scratch.h"

namespace {

using testsupport::ScratchFolder;

std::vector<std::wstring> AllFound(viewer::BackgroundWalk& walk) {
    std::vector<std::wstring> names;
    for (bool ended = false; !ended;) {
        WaitForSingleObject(walk.Signal(), 1000);
        ended = walk.Ended();  // then what was found by then
        for (base::Path& found : walk.TakeFound()) names.push_back(std::move(found));
    }
    return names;
}

TEST(BackgroundWalk, HandsOverTheWalksFoldersInItsOrderAndStopsAtAPrefix) {
    ScratchFolder root;
    for (const wchar_t* folder : {L"a\\x", L"a\\y", L"b\\z", L"skip\\inner", L"한국어\\c"}) root.MakeFolder(folder);
    std::vector<std::wstring> expected = testsupport::BreadthFirst(root.WidePath());
    std::erase(expected, root / L"skip\\inner");

    viewer::BackgroundWalk walk(root.WidePath(), [skip = root / L"skip"](const base::Path& f) { return f == skip; });
    EXPECT_EQ(AllFound(walk), expected);
    EXPECT_FALSE(walk.Error());

    viewer::BackgroundWalk stopped(root.WidePath(), [](const base::Path&) { return false; });
    stopped.Stop();
    const std::vector<std::wstring> part = AllFound(stopped), whole = testsupport::BreadthFirst(root.WidePath());
    ASSERT_LE(part.size(), whole.size());
    EXPECT_TRUE(std::equal(part.begin(), part.end(), whole.begin()));
}

}  // namespace
