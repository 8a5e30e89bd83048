// TSearchDir walks the folder tree below a base folder, breadth first, and
// reports every folder it meets (the base first) to its OnFind, whose answer
// says whether to walk into it. Files are never reported. Folder links and
// junctions are reported like folders and entered unless that would lead the
// walk round in a circle, or into one folder through more links than a
// bound far above real trees' (LinkGuard.h).
// Names and paths are the file system's own, whatever their characters, and
// of any length.
#pragma once
#include <windows.h>

#include <cstdint>
#include <deque>
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

// What a handler answers for a folder found.
enum class TFindAnswer {
    Enter,  // the walk goes on, into this folder in its turn
    Skip,   // the walk goes on, but keeps out of this folder
    Stop,   // the walk ends here
};

// A folder the walk found. Its TSearchFileData is made from the file
// system's entry only when a handler asks for it: the walk itself needs
// the name alone.
class TFoundFolder {
public:
    // entry: the enumeration's entry, valid for the call; null for the base
    // folder, which is looked up when its data is asked for.
    TFoundFolder(const base::Path& name, const WIN32_FIND_DATAW* entry) : name_(name), entry_(entry) {}

    const base::Path& Name() const { return name_; }
    // A base folder text ending in a backslash finds no entry: empty data.
    TSearchFileData Data() const;

private:
    const base::Path& name_;
    const WIN32_FIND_DATAW* entry_;
};

class LinkGuard;

// A component derives from it and says, through OnFind, what becomes of
// each folder found; OnEnter lets it follow which folder is being read.
class TSearchDir {
public:
    TSearchDir();
    virtual ~TSearchDir();
    TSearchDir(const TSearchDir&) = delete;
    TSearchDir& operator=(const TSearchDir&) = delete;

    base::Path BaseDir;  // where the walk starts; a relative path is taken from the current directory

    // True when the walk ran to its end; false when it could not start
    // (already walking, BaseDir missing) or a handler stopped it. An
    // exception from a handler passes out after clean-up.
    bool Search();
    bool Busy() const { return busy_; }

protected:
    // One call per folder, the base first.
    virtual TFindAnswer OnFind(const TFoundFolder& Folder) = 0;
    // Before each queued folder (ending with a backslash) is listed; false
    // ends the walk as Stop does.
    virtual bool OnEnter(const base::Path& /*Dir*/) { return true; }

private:
    // Reports the sub-folders of dir (which ends with a backslash); false when a
    // handler ended the walk.
    bool ReportSubFolders(const base::Path& dir, LinkGuard& links);

    std::deque<base::Path> queue_;  // folders still to be enumerated
    bool busy_ = false;
};

}  // namespace viewer
