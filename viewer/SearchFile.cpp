#include "viewer/SearchFile.h"

#include <cwchar>
#include <iterator>

#include "base/Paths.h"
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
bool IsFolderLink(const WIN32_FIND_DATAW& entry) { return entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT; }

bool IsDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// Entries with their short names, which the reports' data carries; a share
// sends them in large batches.
HANDLE FindFirst(const base::Path& pattern, WIN32_FIND_DATAW& entry) {
    return FindFirstFileExW(base::ForFileSystem(pattern).c_str(), FindExInfoStandard, &entry, FindExSearchNameMatch,
                            nullptr, FIND_FIRST_EX_LARGE_FETCH);
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

TSearchFileData MakeSearchFileData(const WIN32_FIND_DATAW& entry) {
    TSearchFileData data;
    // The name arrays are not trusted to hold a terminator.
    data.FileName.assign(entry.cFileName, wcsnlen(entry.cFileName, std::size(entry.cFileName)));
    const size_t shortLength = wcsnlen(entry.cAlternateFileName, std::size(entry.cAlternateFileName));
    data.ShortFileName = shortLength ? std::wstring(entry.cAlternateFileName, shortLength) : data.FileName;
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

// The base is looked up as a single entry.
TSearchFileData TFoundFolder::Data() const {
    if (entry_) return MakeSearchFileData(*entry_);
    WIN32_FIND_DATAW entry;
    const ui::FindHandle find = ui::AdoptFind(FindFirst(name_, entry));
    return find ? MakeSearchFileData(entry) : TSearchFileData{};
}

TSearchDir::TSearchDir() = default;

TSearchDir::~TSearchDir() = default;

// Breadth first through a queue, never by recursion, so a deep tree costs no
// stack; at most one enumeration is open at a time. Paths of any length are
// walked: the file system takes long ones in their "\\?\" form.
bool TSearchDir::Search() {
    if (busy_) return false;
    const base::Path root = base::FullPathName(BaseDir);
    if (root.empty() || GetFileAttributesW(base::ForFileSystem(root).c_str()) == INVALID_FILE_ATTRIBUTES) return false;

    BusyScope busy(busy_);
    queue_.clear();
    LinkGuard links(root);
    const TFindAnswer answer = OnFind(TFoundFolder(root, nullptr));
    if (answer == TFindAnswer::Stop) return false;
    if (answer == TFindAnswer::Enter) queue_.push_back(root);

    while (!queue_.empty()) {
        base::Path dir = std::move(queue_.front());
        queue_.pop_front();
        if (!base::EndsWithBackslash(dir)) dir += L'\\';
        if (!OnEnter(dir) || !ReportSubFolders(dir, links)) return false;  // the queue stays as it is
    }
    return true;
}

bool TSearchDir::ReportSubFolders(const base::Path& dir, LinkGuard& links) {
    WIN32_FIND_DATAW entry;
    const ui::FindHandle find = ui::AdoptFind(FindFirst(dir + L"*.*", entry));
    if (!find) return true;  // unreadable or gone: passed over
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsDotEntry(entry.cFileName)) continue;
        base::Path name = dir + entry.cFileName;
        const TFindAnswer answer = OnFind(TFoundFolder(name, &entry));
        if (answer == TFindAnswer::Stop) return false;
        if (answer == TFindAnswer::Enter && (!IsFolderLink(entry) || links.MayEnter(name)))
            queue_.push_back(std::move(name));
    } while (FindNextFileW(find.Get(), &entry));
    return true;
}

}  // namespace viewer
