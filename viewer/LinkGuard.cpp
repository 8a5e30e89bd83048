#include "viewer/LinkGuard.h"

#include <windows.h>
#include <winternl.h>

#include <cstring>
#include <utility>

#include "ui/Handles.h"

namespace viewer {
namespace {

// FILE_ID_INFO and its class number, which headers for Windows 7 leave out.
struct FileIdInfo {
    ULONGLONG VolumeSerialNumber;
    BYTE FileId[16];
};
constexpr auto kFileIdInfoClass = FILE_INFO_BY_HANDLE_CLASS(18);

ui::FileHandle OpenFolder(const base::Path& path) {
    // No access rights are asked for: reading the ids needs none. Backup
    // semantics let a folder be opened at all; links and junctions on the
    // way are followed to the folder they lead to.
    return ui::AdoptFile(CreateFileW(base::ForFileSystem(path).c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

}  // namespace

std::optional<FolderIdentity> IdentityOf(const base::Path& path) {
    const ui::FileHandle folder = OpenFolder(path);
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

std::optional<uint64_t> FileIndexOf(const base::Path& path) {
    const ui::FileHandle folder = OpenFolder(path);
    if (!folder) return std::nullopt;
    // The one query that leaves the volume out.
    IO_STATUS_BLOCK status;
    FILE_INTERNAL_INFORMATION internal;
    if (!NT_SUCCESS(NtQueryInformationFile(folder.Get(), &status, &internal, sizeof internal,
                                           FileInternalInformation)))
        return std::nullopt;
    return uint64_t(internal.IndexNumber.QuadPart);
}

bool LinkGuard::MayEnter(const base::Path& linkPath) {
    const std::optional<uint64_t> index = KnownIndex(linkPath);
    if (!index || LeadsToAnAncestor(linkPath)) return false;
    return Count(entered_[*index], linkPath);
}

bool LinkGuard::SameFolder(const base::Path& a, const base::Path& b) {
    return KnownIndex(a) == KnownIndex(b) && KnownIdentity(a) == KnownIdentity(b);
}

// The ancestors are the root and each prefix of the link's path that ends
// before a backslash further on.
bool LinkGuard::LeadsToAnAncestor(const base::Path& linkPath) {
    if (SameFolder(linkPath, root_)) return true;
    for (size_t i = root_.size() + 1; i < linkPath.size(); ++i)
        if (linkPath[i] == L'\\' && SameFolder(linkPath, linkPath.substr(0, i))) return true;
    return false;
}

bool LinkGuard::Count(Entered& entered, const base::Path& linkPath) {
    if (entered.byFolder.empty() && entered.links.size() < size_t(kMaxEntries)) {
        entered.links.push_back(linkPath);
        return true;
    }
    for (const base::Path& earlier : std::exchange(entered.links, {})) ++entered.byFolder[KnownIdentity(earlier)];
    int& entries = entered.byFolder[KnownIdentity(linkPath)];
    if (entries >= kMaxEntries) return false;
    ++entries;
    return true;
}

const std::optional<uint64_t>& LinkGuard::KnownIndex(const base::Path& path) {
    auto found = indexes_.find(path);
    if (found == indexes_.end()) found = indexes_.emplace(path, FileIndexOf(path)).first;
    return found->second;
}

const std::optional<FolderIdentity>& LinkGuard::KnownIdentity(const base::Path& path) {
    auto found = identities_.find(path);
    if (found == identities_.end()) found = identities_.emplace(path, IdentityOf(path)).first;
    return found->second;
}

}  // namespace viewer
