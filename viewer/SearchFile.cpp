#include "viewer/SearchFile.h"

#include <cstring>

#include "base/ShiftJis.h"
#include "ui/Handles.h"
#include "viewer/LinkGuard.h"

namespace viewer {
namespace {

// Days from 1 January 1970 to the given civil date (proleptic Gregorian).
constexpr int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = unsigned(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + int64_t(dayOfEra) - 719468;
}

constexpr int64_t kDateTimeEpoch = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// DOS dates run from 1980 to 2107. Windows refuses to convert other times;
// Wine wraps the year instead, so the range is checked here as well.
constexpr uint64_t kTicksPerDay = 864000000000;  // 100-nanosecond file time ticks
constexpr uint64_t kFirstDosTime = uint64_t(DaysFromCivil(1980, 1, 1) - DaysFromCivil(1601, 1, 1)) * kTicksPerDay;
constexpr uint64_t kEndOfDosTime = uint64_t(DaysFromCivil(2108, 1, 1) - DaysFromCivil(1601, 1, 1)) * kTicksPerDay;

std::optional<double> FileTimeToDateTime(const FILETIME& utc) {
    FILETIME local;
    WORD dosDate, dosTime;
    if (!FileTimeToLocalFileTime(&utc, &local)) return std::nullopt;
    const uint64_t ticks = (uint64_t(local.dwHighDateTime) << 32) | local.dwLowDateTime;
    if (ticks < kFirstDosTime || ticks >= kEndOfDosTime) return std::nullopt;
    if (!FileTimeToDosDateTime(&local, &dosDate, &dosTime)) return std::nullopt;
    return DosDateTimeToDateTime(dosDate, dosTime);
}

void SetTime(const FILETIME& utc, bool& has, double& dateTime) {
    if (std::optional<double> converted = FileTimeToDateTime(utc)) {
        has = true;
        dateTime = *converted;
    }
}

// Symbolic links and junctions to folders; Wine reports a Unix symbolic link
// to a folder so as well.
bool IsFolderLink(const WIN32_FIND_DATAA& entry) { return entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT; }

bool IsDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

std::string FullPath(const std::string& path) {
    if (path.empty()) return {};
    std::string full(MAX_PATH, '\0');
    DWORD length = GetFullPathNameA(path.c_str(), DWORD(full.size()), full.data(), nullptr);
    if (length >= full.size()) {  // too small: length is the size needed, terminator included
        full.resize(length);
        length = GetFullPathNameA(path.c_str(), DWORD(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) return {};
    full.resize(length);
    return full;
}

// The root looked up as a single entry. A text ending in a backslash finds
// nothing and gives empty data.
TSearchFileData LookUpEntry(const std::string& path) {
    WIN32_FIND_DATAA entry;
    ui::FindHandle find = ui::AdoptFind(FindFirstFileA(path.c_str(), &entry));
    return find ? MakeSearchFileData(entry) : TSearchFileData{};
}

// Holds the busy flag for one walk, whichever way the walk leaves.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

std::optional<double> DosDateTimeToDateTime(WORD dosDate, WORD dosTime) {
    const int year = 1980 + (dosDate >> 9);
    const int month = (dosDate >> 5) & 0x0F;
    const int day = dosDate & 0x1F;
    const int hour = dosTime >> 11;
    const int minute = (dosTime >> 5) & 0x3F;
    const int second = (dosTime & 0x1F) * 2;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    const double days = double(DaysFromCivil(year, unsigned(month), unsigned(day)) - kDateTimeEpoch);
    return days + (hour * 3600 + minute * 60 + second) / 86400.0;
}

TSearchFileData MakeSearchFileData(const WIN32_FIND_DATAA& entry) {
    TSearchFileData data;
    // The name arrays are not trusted to hold a terminator.
    data.FileName.assign(entry.cFileName, strnlen(entry.cFileName, sizeof entry.cFileName));
    const size_t shortLength = strnlen(entry.cAlternateFileName, sizeof entry.cAlternateFileName);
    data.ShortFileName = shortLength ? std::string(entry.cAlternateFileName, shortLength) : data.FileName;
    data.Size = int64_t((uint64_t(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow);
    SetTime(entry.ftCreationTime, data.HasCreationTime, data.CreationTime);
    SetTime(entry.ftLastWriteTime, data.HasLastWriteTime, data.LastWriteTime);
    SetTime(entry.ftLastAccessTime, data.HasLastAccessTime, data.LastAccessTime);
    const DWORD attributes = entry.dwFileAttributes;
    data.IsDirectory = attributes & FILE_ATTRIBUTE_DIRECTORY;
    data.IsReadOnly = attributes & FILE_ATTRIBUTE_READONLY;
    data.IsHidden = attributes & FILE_ATTRIBUTE_HIDDEN;
    data.IsSystem = attributes & FILE_ATTRIBUTE_SYSTEM;
    data.IsArchive = attributes & FILE_ATTRIBUTE_ARCHIVE;
    return data;
}

TSearchDir::TSearchDir() = default;

TSearchDir::~TSearchDir() = default;

void TSearchDir::DoFind(const std::string& Name, const TSearchFileData& Data, bool& IgnoreSubDir, bool& Continue) {
    if (OnFind) OnFind(this, Name, Data, IgnoreSubDir, Continue);
}

// Breadth first through a queue, never by recursion, so a deep tree costs no
// stack; at most one enumeration is open at a time.
bool TSearchDir::Search() {
    if (busy_ || !OnFind) return false;
    const std::string root = FullPath(BaseDir);
    if (root.empty() || GetFileAttributesA(root.c_str()) == INVALID_FILE_ATTRIBUTES) return false;

    BusyScope busy(busy_);
    queue_.clear();
    LinkGuard links(root);
    bool ignoreSubDir = false;
    bool keepOn = true;
    DoFind(root, LookUpEntry(root), ignoreSubDir, keepOn);
    if (!keepOn) return false;
    if (!ignoreSubDir) queue_.push_back(root);

    while (!queue_.empty()) {
        std::string dir = std::move(queue_.front());
        queue_.pop_front();
        // Whole-character test: a trail byte 0x5C (as in "表") is no separator.
        if (!base::EndsWithBackslash(dir)) dir += '\\';
        if (!ReportSubFolders(dir, links)) return false;  // the queue stays as it is
    }
    return true;
}

bool TSearchDir::ReportSubFolders(const std::string& dir, LinkGuard& links) {
    WIN32_FIND_DATAA entry;
    const ui::FindHandle find = ui::AdoptFind(FindFirstFileA((dir + "*.*").c_str(), &entry));
    if (!find) return true;  // unreadable, gone, or too long: passed over
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsDotEntry(entry.cFileName)) continue;
        std::string name = dir + entry.cFileName;
        bool ignoreSubDir = false;
        bool keepOn = true;
        DoFind(name, MakeSearchFileData(entry), ignoreSubDir, keepOn);
        if (!keepOn) return false;
        if (!ignoreSubDir && (!IsFolderLink(entry) || links.MayEnter(name))) queue_.push_back(std::move(name));
    } while (FindNextFileA(find.Get(), &entry));
    return true;
}

std::string WindowsDirectory() {
    std::string directory(MAX_PATH, '\0');
    UINT length = GetWindowsDirectoryA(directory.data(), UINT(directory.size()));
    if (length >= directory.size()) {  // too small: length is the size needed, terminator included
        directory.resize(length);
        length = GetWindowsDirectoryA(directory.data(), UINT(directory.size()));
        if (length >= directory.size()) return {};
    }
    directory.resize(length);
    return directory;
}

}  // namespace viewer
