#include "layout/WholeFileWrite.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "base/CodePage.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "layout/ProfileFile.h"

namespace layout {
namespace {

// A name beside the target that nothing else uses.
base::Path CopyNameFor(const base::Path& target) {
    static unsigned counter = 0;
    wchar_t unique[32];
    swprintf(unique, std::size(unique), L"~rkd%04lx%04x.tmp", GetCurrentProcessId() & 0xFFFF, ++counter & 0xFFFF);
    return base::FolderPart(target) + unique;
}

bool Flushed(const base::Path& path) {
    HANDLE file = CreateFileW(base::ForFileSystem(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(file);
    return CloseHandle(file) && flushed;
}

bool HoldsEveryKey(const base::Path& path, const std::vector<KeyText>& keys) {
    const std::optional<std::string> bytes = base::FileBytes(path);
    if (!bytes) return false;
    for (const KeyText& k : keys)
        if (StoredValue(*bytes, k.section, k.key.c_str()) != AsStored(k.value)) return false;
    return true;
}

// Takes the copy away however the write ends.
class CopyRemoved {
public:
    explicit CopyRemoved(base::Path copy) : copy_(std::move(copy)) {}
    ~CopyRemoved() {
        if (!copy_.empty()) DeleteFileW(base::ForFileSystem(copy_).c_str());
    }
    void Release() { copy_.clear(); }
    CopyRemoved(const CopyRemoved&) = delete;
    CopyRemoved& operator=(const CopyRemoved&) = delete;

private:
    base::Path copy_;
};

// Whether the file exists, refusing one that cannot be replaced.
bool ExistsReplaceable(const base::Path& target) {
    const DWORD attributes = GetFileAttributesW(base::ForFileSystem(target).c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) throw ProfileWriteError(target);
    return exists;
}

void Replace(const base::Path& copy, const base::Path& target) {
    if (!MoveFileExW(base::ForFileSystem(copy).c_str(), base::ForFileSystem(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw ProfileWriteError(target);
}

}  // namespace

void WriteBytesWhole(const base::Path& target, std::string_view bytes) {
    ExistsReplaceable(target);
    const base::Path copy = CopyNameFor(target);
    CopyRemoved removed(copy);
    HANDLE file = CreateFileW(base::ForFileSystem(copy).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw ProfileWriteError(target);
    bool written = true;
    for (size_t at = 0; written && at < bytes.size();) {
        DWORD done = 0;
        const DWORD chunk = DWORD(std::min<size_t>(bytes.size() - at, 1 << 20));
        written = WriteFile(file, bytes.data() + at, chunk, &done, nullptr) && done > 0;
        at += done;
    }
    written = FlushFileBuffers(file) && written;
    written = CloseHandle(file) && written;
    if (!written || base::FileBytes(copy) != std::string(bytes)) throw ProfileWriteError(target);
    Replace(copy, target);
    removed.Release();
}

void WriteWholeFile(const base::Path& target, const std::vector<KeyText>& keys, bool fresh) {
    const bool exists = ExistsReplaceable(target);
    const base::Path copy = CopyNameFor(target);
    CopyRemoved removed(copy);
    // Keys the designer does not write stay as the file has them.
    if (exists && !fresh && !CopyFileW(base::ForFileSystem(target).c_str(), base::ForFileSystem(copy).c_str(), TRUE))
        throw ProfileWriteError(target);
    try {
        ProfileFile file(copy);
        for (const KeyText& k : keys) file.WriteString(k.section, k.key.c_str(), k.value);
    } catch (const ProfileWriteError&) {
        throw ProfileWriteError(target);
    }
    if (!Flushed(copy) || !HoldsEveryKey(copy, keys)) throw ProfileWriteError(target);
    Replace(copy, target);
    removed.Release();
}

}  // namespace layout
