#include "viewer/LinkGuard.h"

#include <windows.h>

#include <cstring>

#include "ui/Handles.h"

namespace viewer {
namespace {

// FILE_ID_INFO and its class number, which headers for Windows 7 leave out.
struct FileIdInfo {
    ULONGLONG VolumeSerialNumber;
    BYTE FileId[16];
};
constexpr auto kFileIdInfoClass = FILE_INFO_BY_HANDLE_CLASS(18);

}  // namespace

std::optional<FolderIdentity> IdentityOf(const base::Path& path) {
    // No access rights are asked for: reading the id needs none. Backup
    // semantics let a folder be opened at all; links and junctions on the
    // way are followed to the folder they lead to.
    const ui::FileHandle folder = ui::AdoptFile(CreateFileW(base::ForFileSystem(path).c_str(), 0,
                                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!folder) return std::nullopt;
    FolderIdentity identity;
    // 128-bit ids (ReFS) from Windows 8 on; the 64-bit index before that.
    FileIdInfo id;
    if (GetFileInformationByHandleEx(folder.Get(), kFileIdInfoClass, &id, sizeof id)) {
        identity.volume = id.VolumeSerialNumber;
        std::memcpy(identity.file.data(), id.FileId, sizeof id.FileId);
        return identity;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(folder.Get(), &info)) return std::nullopt;
    identity.volume = info.dwVolumeSerialNumber;
    const uint64_t index = (uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    std::memcpy(identity.file.data(), &index, sizeof index);
    return identity;
}

bool LinkGuard::MayEnter(const base::Path& linkPath) {
    const std::optional<FolderIdentity> target = IdentityOf(linkPath);
    if (!target) return false;
    int& entries = entries_[*target];
    if (entries >= kMaxEntries || LeadsToAnAncestor(linkPath, *target)) return false;
    ++entries;
    known_.emplace(linkPath, target);  // an ancestor of what lies below the link
    return true;
}

const std::optional<FolderIdentity>& LinkGuard::KnownIdentity(const base::Path& path) {
    auto found = known_.find(path);
    if (found == known_.end()) found = known_.emplace(path, IdentityOf(path)).first;
    return found->second;
}

// The ancestors are the root and each prefix of the link's path that ends
// before a backslash further on.
bool LinkGuard::LeadsToAnAncestor(const base::Path& linkPath, const FolderIdentity& target) {
    if (KnownIdentity(root_) == target) return true;
    for (size_t i = root_.size() + 1; i < linkPath.size(); ++i)
        if (linkPath[i] == L'\\' && KnownIdentity(linkPath.substr(0, i)) == target) return true;
    return false;
}

}  // namespace viewer
