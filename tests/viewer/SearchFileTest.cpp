// The folder walk of TSearchDir: which folders it reports and in which
// order, what the handler's answers do to it, deep trees and folder links.
#include "viewer/SearchFile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "base/CodePage.h"
#include "support/CurrentDirectory.h"
#include "support/FolderLinks.h"
#include "support/FolderListing.h"
#include "support/Scratch.h"
#include "support/Wide.h"
#include "viewer/LinkGuard.h"

namespace {

using testsupport::BreadthFirst;
using testsupport::ScratchFolder;
using testsupport::W;
using viewer::TFindAnswer;
using viewer::TFoundFolder;
using viewer::TSearchDir;
using viewer::TSearchFileData;

struct Report {
    std::string name;
    TSearchFileData data;
};

// The answer for report number index (0 = the root).
using Decide = std::function<TFindAnswer(size_t index, const std::string& name)>;

struct Walk {
    std::vector<Report> reports;
    bool result = false;
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const Report& r : reports) names.push_back(r.name);
        return names;
    }
};

// Keeps every report, with its data, and answers as decide says (Enter
// without it). Names in code page 932: the trees here have plain and
// Japanese names.
class RecordingSearch : public TSearchDir {
public:
    Decide decide;
    Walk walk;

protected:
    TFindAnswer OnFind(const TFoundFolder& folder) override {
        EXPECT_TRUE(Busy());
        std::string name = base::FromWide(folder.Name());
        const TFindAnswer answer = decide ? decide(walk.reports.size(), name) : TFindAnswer::Enter;
        walk.reports.push_back({std::move(name), folder.Data()});
        return answer;
    }
};

Walk WalkFrom(RecordingSearch& search, const std::string& baseDir, const Decide& decide = {}) {
    search.BaseDir = W(baseDir);
    search.decide = decide;
    search.walk = {};
    search.walk.result = search.Search();
    EXPECT_FALSE(search.Busy());
    return search.walk;
}

Walk WalkFrom(const std::string& baseDir, const Decide& decide = {}) {
    RecordingSearch search;
    return WalkFrom(search, baseDir, decide);
}

// a\x\deep, a\z, b\y, a hidden ".hidden" and a "..x" (no dot entries,
// though they start like one), plus files at every level.
void MakeTree(const ScratchFolder& root) {
    for (const char* dir : {"a\\x\\deep", "a\\z", "b\\y", ".hidden", "..x"}) root.MakeFolder(dir);
    for (const char* file : {"c.txt", "a\\f.txt", "a\\x\\g", "b\\y\\h.jpg"}) root.WriteFile(file, "data");
    SetFileAttributesA((root / ".hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

size_t IndexOf(const std::vector<std::string>& names, const std::string& name) {
    return size_t(std::find(names.begin(), names.end(), name) - names.begin());
}

// --- Order and names of the reports --------------------------------------------

TEST(SearchDirWalk, ReportsTheRootThenEveryFolderBreadthFirst) {
    ScratchFolder root;
    MakeTree(root);
    Walk walk = WalkFrom(root.Path());
    EXPECT_TRUE(walk.result);
    std::vector<std::string> names = walk.Names();
    EXPECT_EQ(names, BreadthFirst(root.Path()));
    ASSERT_EQ(names.size(), 9u);  // root, a, b, .hidden, ..x, x, z, y, deep; no file
    EXPECT_LT(IndexOf(names, root / "b"), IndexOf(names, root / "a\\x"));
    EXPECT_LT(IndexOf(names, root / "b\\y"), IndexOf(names, root / "a\\x\\deep"));

    // The root text ends in a backslash: looked up as an entry it finds nothing.
    const TSearchFileData& rootData = walk.reports[0].data;
    EXPECT_EQ(rootData.FileName, L"");
    EXPECT_EQ(rootData.ShortFileName, L"");
    EXPECT_FALSE(rootData.IsDirectory || rootData.HasLastWriteTime || rootData.IsHidden);
    for (size_t i = 1; i < walk.reports.size(); ++i) {
        const Report& r = walk.reports[i];
        EXPECT_EQ(r.data.FileName, W(r.name.substr(r.name.rfind('\\') + 1))) << r.name;
        EXPECT_TRUE(r.data.IsDirectory) << r.name;
        // Wine also takes every name starting with "." for hidden.
        if (r.name != root / "..x") {
            EXPECT_EQ(r.data.IsHidden, r.name == root / ".hidden") << r.name;
        }
    }
}

struct RootCase {
    const char* label;
    std::string baseDir;        // below the scratch folder, or relative to it
    bool relative;              // BaseDir is given relative to the current directory
    std::string firstName;      // below the scratch folder
    const char* firstFileName;  // Data.FileName of the root report
    bool firstIsDirectory;
    std::vector<std::string> more;  // further reports, below the scratch folder
};

TEST(SearchDirWalk, RootTextIsTheFullPathOfBaseDir) {
    const RootCase cases[] = {
        {"folder without backslash: its own data", "a", false, "a", "a", true, {"a\\x", "a\\z", "a\\x\\deep"}},
        {"relative text", "b", true, "b", "b", true, {"b\\y"}},
        {"dot segments resolved", "a\\..\\b\\", false, "b\\", "", false, {"b\\y"}},
        {"a file: one report", "c.txt", false, "c.txt", "c.txt", false, {}},
    };
    ScratchFolder root;
    MakeTree(root);
    for (const RootCase& c : cases) {
        SCOPED_TRACE(c.label);
        testsupport::CurrentDirectoryGuard guard;
        if (c.relative) SetCurrentDirectoryA(root.Path().c_str());
        Walk walk = WalkFrom(c.relative ? c.baseDir : root / c.baseDir);
        EXPECT_TRUE(walk.result);
        ASSERT_EQ(walk.reports.size(), 1 + c.more.size());
        EXPECT_EQ(walk.reports[0].name, root / c.firstName);
        EXPECT_EQ(walk.reports[0].data.FileName, W(c.firstFileName));
        EXPECT_EQ(walk.reports[0].data.IsDirectory, c.firstIsDirectory);
        std::vector<std::string> names = walk.Names();
        for (const std::string& more : c.more) EXPECT_TRUE(Contains(names, root / more)) << more;
    }
}

TEST(SearchDirWalk, MissingOrEmptyBaseDirReportsNothing) {
    ScratchFolder root;
    for (const std::string& baseDir : {std::string(), root / "missing", root / "missing\\", root / "a*"}) {
        Walk walk = WalkFrom(baseDir);
        EXPECT_FALSE(walk.result) << baseDir;
        EXPECT_TRUE(walk.reports.empty()) << baseDir;
    }
}

// "表" is 0x95 0x5C and "ソ" 0x83 0x5C: their second byte is no separator.
TEST(SearchDirWalk, FolderEndingInTrailByte5CIsEnumeratedBelowItself) {
    ASSERT_EQ(GetACP(), 932u) << "run under the Japanese locale";
    ScratchFolder root;
    root.MakeFolder("表\\子");
    root.MakeFolder("ソ\\表\\孫");
    root.WriteFile("表x.txt", "");  // what "表*.*" would find if the 0x5C were taken for "\"

    Walk fromParent = WalkFrom(root.Path());
    EXPECT_EQ(fromParent.Names(), BreadthFirst(root.Path()));
    EXPECT_TRUE(Contains(fromParent.Names(), root / "ソ\\表\\孫"));

    Walk fromItself = WalkFrom(root / "表");
    EXPECT_EQ(fromItself.Names(), (std::vector<std::string>{root / "表", root / "表\\子"}));
}

// --- The handler's answers ---------------------------------------------------------

TEST(SearchDirWalk, SkipKeepsTheWalkOutOfThatFolder) {
    struct Case {
        const char* label;
        std::function<bool(size_t index, const std::string& relative)> skip;
        std::vector<std::string> expected;  // below the scratch folder; "" is the root
    };
    const Case cases[] = {
        {"root", [](size_t i, const std::string&) { return i == 0; }, {""}},
        {"every folder but the root", [](size_t i, const std::string&) { return i > 0; },
         {"", "a", "b", ".hidden", "..x"}},
        {"one folder", [](size_t, const std::string& r) { return r == "a"; }, {"", "a", "b", ".hidden", "..x", "b\\y"}},
    };
    ScratchFolder root;
    MakeTree(root);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Walk walk = WalkFrom(root.Path(), [&](size_t i, const std::string& name) {
            return c.skip(i, name.substr(root.Path().size())) ? TFindAnswer::Skip : TFindAnswer::Enter;
        });
        EXPECT_TRUE(walk.result);
        std::vector<std::string> names = walk.Names();
        std::vector<std::string> expected;
        for (const std::string& r : c.expected) expected.push_back(root / r);
        std::sort(names.begin(), names.end());  // which folders, not their order
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected);
    }
}

TEST(SearchDirWalk, StopEndsTheWalkAndTheNextWalkStartsAfresh) {
    ScratchFolder root;
    MakeTree(root);
    const std::vector<std::string> all = BreadthFirst(root.Path());
    RecordingSearch search;
    for (size_t stopAt : {size_t(0), size_t(2), size_t(6), all.size() - 1}) {
        SCOPED_TRACE(stopAt);
        Walk stopped = WalkFrom(search, root.Path(), [&](size_t i, const std::string&) {
            return i == stopAt ? TFindAnswer::Stop : TFindAnswer::Enter;
        });
        EXPECT_FALSE(stopped.result);
        EXPECT_EQ(stopped.Names(), std::vector<std::string>(all.begin(), all.begin() + long(stopAt) + 1));

        Walk again = WalkFrom(search, root.Path());  // nothing left over from the stopped walk
        EXPECT_TRUE(again.result);
        EXPECT_EQ(again.Names(), all);
    }
}

// --- Busy flag, re-entry and errors --------------------------------------------------

TEST(SearchDirWalk, SearchDuringAWalkReturnsFalseAndLeavesItAlone) {
    ScratchFolder root;
    MakeTree(root);
    RecordingSearch search;
    bool nested = false;
    int nestedReports = 0;
    Walk walk = WalkFrom(search, root.Path(), [&](size_t, const std::string&) {
        if (nested) {
            ++nestedReports;
            return TFindAnswer::Enter;
        }
        nested = true;
        search.BaseDir = root / L"b";  // the running walk keeps its own root
        EXPECT_FALSE(search.Search());
        EXPECT_TRUE(search.Busy());
        search.BaseDir = root.WidePath();
        nested = false;
        return TFindAnswer::Enter;
    });
    EXPECT_TRUE(walk.result);
    EXPECT_EQ(nestedReports, 0);
    EXPECT_EQ(walk.Names(), BreadthFirst(root.Path()));
}

TEST(SearchDirWalk, HandlerErrorPassesOutAndTheComponentStaysUsable) {
    ScratchFolder root;
    MakeTree(root);
    RecordingSearch search;
    for (size_t throwAt : {size_t(0), size_t(3)}) {  // the root, then inside an enumeration
        SCOPED_TRACE(throwAt);
        EXPECT_THROW(WalkFrom(search, root.Path(),
                              [&](size_t i, const std::string&) {
                                  if (i == throwAt) throw std::runtime_error("handler failed");
                                  return TFindAnswer::Enter;
                              }),
                     std::runtime_error);
        EXPECT_FALSE(search.Busy());
        Walk again = WalkFrom(search, root.Path());
        EXPECT_TRUE(again.result);
        EXPECT_EQ(again.Names(), BreadthFirst(root.Path()));
    }
}

// Tells which folder is entered, and ends the walk at the one named.
class EnteringSearch : public RecordingSearch {
public:
    std::vector<std::string> entered;
    std::string refuse;

protected:
    bool OnEnter(const base::Path& dir) override {
        entered.push_back(base::FromWide(dir));
        return entered.back() != refuse;
    }
};

TEST(SearchDirWalk, OnEnterIsToldEachFolderBeforeItIsListedAndFalseEndsTheWalk) {
    ScratchFolder root;
    MakeTree(root);
    EnteringSearch search;
    Walk walk = WalkFrom(search, root.Path(), [&](size_t, const std::string& name) {
        return name == root / "a" ? TFindAnswer::Skip : TFindAnswer::Enter;
    });
    EXPECT_TRUE(walk.result);
    std::vector<std::string> expected;  // every folder walked into, with its backslash
    for (const std::string& name : walk.Names())
        if (name != root / "a") expected.push_back(name.back() == '\\' ? name : name + '\\');
    EXPECT_EQ(search.entered, expected);

    // Refused before b is listed: nothing below b is reported.
    search.entered.clear();
    search.refuse = root / "b\\";
    walk = WalkFrom(search, root.Path());
    EXPECT_FALSE(walk.result);
    EXPECT_EQ(search.entered.back(), search.refuse);
    EXPECT_FALSE(Contains(walk.Names(), root / "b\\y"));
}

// --- Deep trees ---------------------------------------------------------------------

// A chain d\d\d... deeper than an ANSI path can name, made and removed through
// "\\?\" wide paths.
class DeepChain {
public:
    DeepChain(const std::string& parent, int levels) : path_(L"\\\\?\\" + base::ToWide(parent)) {
        for (; made_ < levels && CreateDirectoryW((path_ + L"d\\").c_str(), nullptr); ++made_) path_ += L"d\\";
    }
    ~DeepChain() {
        for (; made_ > 0; --made_) {
            RemoveDirectoryW(path_.c_str());
            path_.resize(path_.size() - 2);
        }
    }
    int Made() const { return made_; }

private:
    std::wstring path_;
    int made_ = 0;
};

TEST(SearchDirWalk, DeepTreeIsWalkedToItsBottomPastThePlatformsPathLimit) {
    ScratchFolder root;
    DeepChain chain(root.Path(), 300);
    ASSERT_EQ(chain.Made(), 300);
    Walk walk = WalkFrom(root.Path());
    EXPECT_TRUE(walk.result);
    // Each report is the one before it plus "\d", 600 characters below the root.
    std::string expected = root.Path() + "d";
    for (size_t i = 1; i < walk.reports.size(); ++i, expected += "\\d") ASSERT_EQ(walk.reports[i].name, expected);
    EXPECT_EQ(walk.reports.size(), 301u);
}

// --- Folder links ------------------------------------------------------------------

struct LinkTreeCase {
    const char* label;
    std::vector<std::string> folders;                        // below the scratch folder
    std::vector<std::pair<std::string, std::string>> links;  // link, target: below the scratch folder
    std::vector<std::string> expected;                       // below root\, "" for the root itself
};

// The walk starts at root\ as the viewer starts at its own folder. A walk that
// went round in circles would report without end: the handler stops it long
// before that.
TEST(SearchDirWalk, LinksAreReportedAndEnteredWhereverTheyCannotLeadRound) {
    const LinkTreeCase cases[] = {
        {"two links back to the root below a sub-folder", {"root\\sub\\deep"},
         {{"root\\sub\\up1", "root"}, {"root\\sub\\up2", "root"}},
         {"", "sub", "sub\\deep", "sub\\up1", "sub\\up2"}},
        {"a link to the walk's own folder", {"root\\a"}, {{"root\\self", "root"}}, {"", "a", "self"}},
        {"a link to an ancestor on the way down", {"root\\a\\b\\c"}, {{"root\\a\\b\\c\\back", "root\\a"}},
         {"", "a", "a\\b", "a\\b\\c", "a\\b\\c\\back"}},
        {"a link to a sibling", {"root\\a\\x", "root\\b"}, {{"root\\b\\toA", "root\\a"}},
         {"", "a", "b", "a\\x", "b\\toA", "b\\toA\\x"}},
        {"two links to one outside folder: each entered", {"root", "outside\\c"},
         {{"root\\l1", "outside"}, {"root\\l2", "outside"}},
         {"", "l1", "l2", "l1\\c", "l2\\c"}},
        {"siblings linked both ways: each entered, never round", {"root\\a", "root\\b"},
         {{"root\\a\\toB", "root\\b"}, {"root\\b\\toA", "root\\a"}},
         {"", "a", "b", "a\\toB", "b\\toA", "a\\toB\\toA", "b\\toA\\toB"}},
        {"a link above the root: its copy of the root leads nowhere new", {"root\\a"}, {{"root\\up", ""}},
         {"", "a", "up", "up\\root", "up\\root\\a", "up\\root\\up"}},
    };
    for (const LinkTreeCase& c : cases) {
        SCOPED_TRACE(c.label);
        ScratchFolder scratch;
        for (const std::string& folder : c.folders) scratch.MakeFolder(folder);
        for (const auto& [link, target] : c.links)
            ASSERT_TRUE(testsupport::MakeFolderLink(scratch / link, scratch / target)) << link;
        const std::string root = scratch / "root\\";
        Walk walk = WalkFrom(root, [](size_t i, const std::string&) {
            return i < 2000 ? TFindAnswer::Enter : TFindAnswer::Stop;
        });
        EXPECT_TRUE(walk.result) << "stopped after " << walk.reports.size() << " reports";
        std::vector<std::string> names = walk.Names();
        std::vector<std::string> expected;
        for (const std::string& r : c.expected) expected.push_back(root + r);
        std::sort(names.begin(), names.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected);
    }
}

// A folder's two ids: its file index, which the walk compares first, and
// its whole identity with the volume. Paths through a link to one folder
// agree on both; other folders differ in both; a missing one has neither.
TEST(FolderIds, PathsToOneFolderShareItsIndexAndIdentityAndNoOtherDoes) {
    ScratchFolder scratch;
    scratch.MakeFolder("a\\inner");
    scratch.MakeFolder("b");
    ASSERT_TRUE(testsupport::MakeFolderLink(scratch / "to-a", scratch / "a"));
    const auto ids = [&](const std::string& path) {
        return std::pair(viewer::FileIndexOf(W(scratch / path)), viewer::IdentityOf(W(scratch / path)));
    };
    ASSERT_TRUE(ids("a").first && ids("a").second);
    EXPECT_EQ(ids("to-a"), ids("a"));
    EXPECT_EQ(ids("to-a\\inner"), ids("a\\inner"));
    for (const char* other : {"b", "a\\inner"}) {
        EXPECT_NE(ids(other).first, ids("a").first) << other;
        EXPECT_NE(ids(other).second, ids("a").second) << other;
    }
    EXPECT_EQ(ids("missing"), std::pair(std::optional<uint64_t>(), std::optional<viewer::FolderIdentity>()));
}

// Levels of two links each to the next level: every path is a new one, so
// the walk would double at each level. Each level is entered through no
// more links than the bound, and the bottom is still reached.
TEST(SearchDirWalk, LinksIntoLinksAreBoundedPerFolder) {
    constexpr int kLevels = 12;
    ScratchFolder scratch;
    scratch.MakeFolder("root");
    scratch.MakeFolder("level" + std::to_string(kLevels - 1) + "\\bottom");
    for (int level = 0; level < kLevels; ++level) {
        const std::string from = level == 0 ? "root" : "level" + std::to_string(level - 1);
        scratch.MakeFolder("level" + std::to_string(level));
        for (const char* link : {"\\a", "\\b"})
            ASSERT_TRUE(testsupport::MakeFolderLink(scratch / (from + link), scratch / ("level" + std::to_string(level))));
    }
    Walk walk = WalkFrom(scratch / "root\\", [](size_t i, const std::string&) {
        return i < 5000 ? TFindAnswer::Enter : TFindAnswer::Stop;
    });
    ASSERT_TRUE(walk.result) << "stopped after " << walk.reports.size() << " reports";
    size_t expected = 1, entries = 1;  // the root, listed once
    for (int level = 0; level < kLevels; ++level) {
        expected += 2 * entries;  // its two links, in each listing of the level above
        entries = std::min<size_t>(2 * entries, viewer::LinkGuard::kMaxEntries);
    }
    expected += entries;  // the bottom, in each listing of the last level
    EXPECT_EQ(walk.reports.size(), expected);
    EXPECT_EQ(std::count_if(walk.reports.begin(), walk.reports.end(),
                            [](const Report& r) { return r.name.ends_with("\\bottom"); }),
              viewer::LinkGuard::kMaxEntries);
}

// The machine's /usr/share, bind-mounted read-only below a scratch folder for
// the test and unmounted after it: a real tree with its links, which no one
// here made. The Unix side counts what a walk that follows every link but
// none round in a circle finds (find -L). Needs root; skipped without.
class RealTreeMount {
public:
    explicit RealTreeMount(const ScratchFolder& scratch) : folder_(scratch.Path()) {
        testsupport::RunUnixScript(folder_,
                                   L"mkdir share && mount --bind /usr/share share && mount -o remount,ro,bind share && "
                                   L"find -L share -mindepth 1 -type d 2>/dev/null | wc -l > count.txt");
        std::ifstream count(folder_ + "count.txt");
        count >> folders_;
    }
    ~RealTreeMount() { testsupport::RunUnixScript(folder_, L"umount -l share 2>/dev/null; rm -f count.txt"); }
    RealTreeMount(const RealTreeMount&) = delete;
    RealTreeMount& operator=(const RealTreeMount&) = delete;
    // Below the mount point; 0 when it could not be mounted.
    long Folders() const { return folders_; }

private:
    std::string folder_;
    long folders_ = 0;
};

TEST(SearchDirWalk, ARealTreeIsWalkedThroughEveryLink) {
    ScratchFolder scratch;
    RealTreeMount share(scratch);
    if (share.Folders() == 0) GTEST_SKIP() << "/usr/share could not be bind-mounted (root and Linux needed)";
    Walk walk = WalkFrom(scratch.Path());
    EXPECT_TRUE(walk.result);
    EXPECT_EQ(long(walk.reports.size()), share.Folders() + 2) << "the root, the mount point and what lies below";
}

}  // namespace
