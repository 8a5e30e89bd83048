// Keeps a folder walk through folder links (symbolic links and junctions)
// from going round in circles and from multiplying without end: a link is
// entered unless it leads to the walk's root or to a folder on the path down
// to it (a circle), or to a folder that kMaxEntries links have already led
// into. The second bound keeps links that lead into folders holding further
// links to one folder (a lattice) from multiplying the walk: without it, each
// level of such links would double it. A tree without links never pays for
// this: folders are looked at only for links, and lazily for the folders a
// link is compared with. Folders are told apart by their file index first,
// which the file system gives at once; the volume, which takes far longer
// to ask for (under Wine its mount manager is asked each time), only where
// two indexes agree.
#pragma once
#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/FileSystemPath.h"

namespace viewer {

// What tells two paths to one folder apart from two folders: the volume and
// the file id, whichever links the paths went through.
struct FolderIdentity {
    uint64_t volume = 0;
    std::array<uint8_t, 16> file{};
    auto operator<=>(const FolderIdentity&) const = default;
};

// The identity of the folder a path leads to, following links; nothing when
// it cannot be opened.
std::optional<FolderIdentity> IdentityOf(const base::Path& path);

// The file index of the folder a path leads to, following links: two folders
// with different ones are different folders; two with one index may lie on
// two volumes (or, on ReFS, differ in the rest of their id). Nothing when the
// folder cannot be opened.
std::optional<uint64_t> FileIndexOf(const base::Path& path);

class LinkGuard {
public:
    // Far more links to one folder than real trees hold: on a Debian
    // system's /usr/share the most is 25, to one compiler's documentation.
    static constexpr int kMaxEntries = 64;

    // root: the walk's root text; every folder the walk reports below it is
    // the root, a backslash where the root lacks one, and names joined by
    // backslashes.
    explicit LinkGuard(base::Path root) : root_(std::move(root)) {}

    // Whether the walk may enter the link reported as linkPath. A link whose
    // target cannot be told is not entered.
    bool MayEnter(const base::Path& linkPath);

private:
    // The links entered into folders of one file index. Their folders are
    // told apart only once kMaxEntries of them are there.
    struct Entered {
        std::vector<base::Path> links;                          // until then
        std::map<std::optional<FolderIdentity>, int> byFolder;  // from then on
    };

    bool SameFolder(const base::Path& a, const base::Path& b);
    bool LeadsToAnAncestor(const base::Path& linkPath);
    bool Count(Entered& entered, const base::Path& linkPath);
    const std::optional<uint64_t>& KnownIndex(const base::Path& path);
    const std::optional<FolderIdentity>& KnownIdentity(const base::Path& path);

    base::Path root_;
    std::map<base::Path, std::optional<uint64_t>> indexes_;           // taken once per path
    std::map<base::Path, std::optional<FolderIdentity>> identities_;  // likewise, where needed
    std::map<uint64_t, Entered> entered_;
};

}  // namespace viewer
