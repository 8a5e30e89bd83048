// TSearchDir walks the folder tree below a base folder, breadth first, and
// reports every folder it meets (the base first) through OnFind. Files are
// never reported. Folder links and junctions are reported like folders and
// entered unless that would lead the walk round in a circle (LinkGuard.h).
// Names and paths are the file system's own, whatever their characters, and
// of any length.
#pragma once
#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "base/FileSystemPath.h"

namespace viewer {

// What the file system reports for one entry. Times are local date-times:
// days since 30 December 1899, the fraction being the time of day.
struct TSearchFileData {
    std::wstring FileName;       // long name, no path
    std::wstring ShortFileName;  // 8.3 name, or the long name when there is none
    int64_t Size = 0;           // high word * 4294967296 + low word
    bool HasCreationTime = false;
    double CreationTime = 0;
    bool HasLastWriteTime = false;
    double LastWriteTime = 0;
    bool HasLastAccessTime = false;
    double LastAccessTime = 0;
    bool IsDirectory = false;
    bool IsReadOnly = false;
    bool IsHidden = false;
    bool IsSystem = false;
    bool IsArchive = false;
};

TSearchFileData MakeSearchFileData(const WIN32_FIND_DATAW& entry);

// A DOS date word and time word (two-second resolution) as a date-time;
// nothing when they do not form a valid date and time.
std::optional<double> DosDateTimeToDateTime(WORD dosDate, WORD dosTime);

class TSearchDir;
class LinkGuard;

// IgnoreSubDir arrives false: set it to keep the walk out of this folder.
// Continue arrives true: clear it to end the whole walk.
using TSearchDirEvent = std::function<void(TSearchDir* Sender, base::Path Name, TSearchFileData Data,
                                           bool& IgnoreSubDir, bool& Continue)>;

class TSearchDir {
public:
    TSearchDir();
    virtual ~TSearchDir();
    TSearchDir(const TSearchDir&) = delete;
    TSearchDir& operator=(const TSearchDir&) = delete;

    base::Path BaseDir;      // where the walk starts; a relative path is taken from the current directory
    TSearchDirEvent OnFind;  // one call per folder

    // True when the walk ran to its end; false when it could not start (already
    // walking, OnFind unassigned, BaseDir missing) or a handler cleared Continue.
    // An exception from a handler passes out after clean-up.
    bool Search();
    bool Busy() const { return busy_; }

protected:
    virtual void DoFind(const base::Path& Name, const TSearchFileData& Data, bool& IgnoreSubDir, bool& Continue);
    // Before each queued folder (ending with a backslash) is listed, for a
    // derived component that tells which folder is being read; false ends
    // the walk as a handler's Continue does.
    virtual bool DoEnter(const base::Path&) { return true; }

private:
    // Reports the sub-folders of dir (which ends with a backslash); false when a
    // handler ended the walk.
    bool ReportSubFolders(const base::Path& dir, LinkGuard& links);

    std::deque<base::Path> queue_;  // folders still to be enumerated
    bool busy_ = false;
};

// The Windows directory as GetWindowsDirectoryW reports it; empty when that fails.
base::Path WindowsDirectory();

}  // namespace viewer
