// Keeps a folder walk through folder links (symbolic links and junctions)
// from going round in circles and from multiplying without end: a link is
// entered unless it leads to the walk's root or to a folder on the path down
// to it (a circle), or to a folder that kMaxEntries links have already led
// into. The second bound keeps links that lead into folders holding further
// links to one folder (a lattice) from multiplying the walk: without it, each
// level of such links would double it. A tree without links never pays for
// this: identities are taken only for links, and lazily for the folders a
// link is compared with.
#pragma once
#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

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
    const std::optional<FolderIdentity>& KnownIdentity(const base::Path& path);
    bool LeadsToAnAncestor(const base::Path& linkPath, const FolderIdentity& target);

    base::Path root_;
    std::map<base::Path, std::optional<FolderIdentity>> known_;  // taken once per path
    std::map<FolderIdentity, int> entries_;                        // links entered, by target
};

}  // namespace viewer
