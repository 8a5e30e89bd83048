// The walk on a worker: what it hands over is what the component's walk
// reports, in its order, without what the skip rule keeps it out of; stopped,
// what it had found by then.
#include "viewer/BackgroundWalk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/FolderListing.h"
#include "support/Scratch.h"
#include "ui/Handles.h"

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

    // Stopped while it reports its first folder: that one is handed over, and no more.
    const ui::FileHandle reported(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        stopped(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    viewer::BackgroundWalk stopping(root.WidePath(), [reported = reported.Get(), stopped = stopped.Get()](const base::Path&) {
        SetEvent(reported);
        WaitForSingleObject(stopped, 10000);
        return false;
    });
    ASSERT_EQ(WaitForSingleObject(reported.Get(), 10000), WAIT_OBJECT_0);
    stopping.Stop();
    SetEvent(stopped.Get());
    const std::vector<std::wstring> part = AllFound(stopping), whole = testsupport::BreadthFirst(root.WidePath());
    ASSERT_EQ(part.size(), 1u);
    EXPECT_EQ(part[0], whole[0]);
}

}  // namespace
