// What the folder walk tells about each entry: names, size, attributes and
// times as TSearchFileData holds them.
#include "viewer/SearchFile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <iterator>
#include <ctime>
#include <optional>
#include <string>

#include "support/FolderListing.h"
#include "support/Scratch.h"

namespace {

using testsupport::ScratchFolder;
using viewer::TSearchFileData;

double NowAsDateTime() { return double(time(nullptr)) / 86400.0 + 25569.0; }  // 25569 = 1 January 1970

TEST(SearchFileData, KnownFileIsDescribedAsTheFileSystemSeesIt) {
    ScratchFolder root;
    std::wstring path = root.WriteFile(L"long file name.txt", "hello");
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    auto entries = testsupport::FindEntries(path);
    ASSERT_EQ(entries.size(), 1u);

    TSearchFileData data = viewer::MakeSearchFileData(entries[0]);
    EXPECT_EQ(data.FileName, L"long file name.txt");
    EXPECT_FALSE(data.ShortFileName.empty());
    EXPECT_LE(data.ShortFileName.size(), 12u);  // an 8.3 name
    EXPECT_EQ(data.Size, 5);
    EXPECT_TRUE(data.IsReadOnly);
    EXPECT_TRUE(data.IsArchive);
    EXPECT_FALSE(data.IsDirectory || data.IsHidden || data.IsSystem);
    ASSERT_TRUE(data.HasLastWriteTime);
    EXPECT_NEAR(data.LastWriteTime, NowAsDateTime(), 1.0);  // local time: within a day
    if (data.HasCreationTime) {
        EXPECT_NEAR(data.CreationTime, NowAsDateTime(), 1.0);
    }
    if (data.HasLastAccessTime) {
        EXPECT_NEAR(data.LastAccessTime, NowAsDateTime(), 1.0);
    }
}

TEST(SearchFileData, NamesSizeAndAttributesComeFromTheEntry) {
    WIN32_FIND_DATAW entry{};
    std::wmemset(entry.cFileName, L'x', std::size(entry.cFileName));  // no terminator at all
    std::wmemset(entry.cAlternateFileName, L'y', std::size(entry.cAlternateFileName));
    entry.nFileSizeHigh = 1;
    entry.nFileSizeLow = 0xFFFFFFFF;
    TSearchFileData data = viewer::MakeSearchFileData(entry);
    EXPECT_EQ(data.FileName, std::wstring(MAX_PATH, L'x'));
    EXPECT_EQ(data.ShortFileName, std::wstring(14, L'y'));
    EXPECT_EQ(data.Size, 8589934591LL);

    std::wcscpy(entry.cFileName, L"readme.txt");
    entry.cAlternateFileName[0] = L'\0';
    EXPECT_EQ(viewer::MakeSearchFileData(entry).ShortFileName, L"readme.txt");

    const struct {
        DWORD attribute;
        bool TSearchFileData::*flag;
    } flags[] = {
        {FILE_ATTRIBUTE_DIRECTORY, &TSearchFileData::IsDirectory}, {FILE_ATTRIBUTE_READONLY, &TSearchFileData::IsReadOnly},
        {FILE_ATTRIBUTE_HIDDEN, &TSearchFileData::IsHidden},       {FILE_ATTRIBUTE_SYSTEM, &TSearchFileData::IsSystem},
        {FILE_ATTRIBUTE_ARCHIVE, &TSearchFileData::IsArchive},
    };
    for (const auto& one : flags) {
        entry.dwFileAttributes = one.attribute;
        TSearchFileData d = viewer::MakeSearchFileData(entry);
        for (const auto& other : flags) EXPECT_EQ(d.*other.flag, &other == &one) << std::hex << one.attribute;
    }
}

// A UTC file time for the given local time.
FILETIME LocalTimeToUtc(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME local{year, month, 0, day, hour, minute, second, 0};
    FILETIME localTime{}, utc{};
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    return utc;
}

TEST(SearchFileData, TimesBecomeLocalDateTimesOrAreMarkedMissing) {
    const double hms = (13 * 3600 + 45 * 60 + 30) / 86400.0;
    const struct {
        FILETIME utc;
        bool has;
        double dateTime;
    } cases[] = {
        {LocalTimeToUtc(2024, 3, 15, 13, 45, 31), true, 45366 + hms},  // two-second steps: :31 is :30
        {LocalTimeToUtc(1980, 1, 1, 0, 0, 0), true, 29221},
        {LocalTimeToUtc(2107, 12, 31, 13, 45, 30), true, 75971 + hms},
        {LocalTimeToUtc(1979, 12, 31, 23, 59, 58), false, -1},  // before DOS dates
        {LocalTimeToUtc(2108, 1, 1, 0, 0, 0), false, -2},       // after them
        {FILETIME{0, 0}, false, -3},
    };
    for (const auto& c : cases) {
        WIN32_FIND_DATAW entry{};
        entry.ftCreationTime = entry.ftLastWriteTime = entry.ftLastAccessTime = c.utc;
        TSearchFileData data = viewer::MakeSearchFileData(entry);
        EXPECT_EQ(data.HasCreationTime, c.has) << c.dateTime;
        EXPECT_EQ(data.HasLastWriteTime, c.has) << c.dateTime;
        EXPECT_EQ(data.HasLastAccessTime, c.has) << c.dateTime;
        if (c.has) {
            EXPECT_NEAR(data.CreationTime, c.dateTime, 1e-9);
            EXPECT_NEAR(data.LastWriteTime, c.dateTime, 1e-9);
            EXPECT_NEAR(data.LastAccessTime, c.dateTime, 1e-9);
        }
    }
}

WORD DosDate(int year, int month, int day) { return WORD(((year - 1980) << 9) | (month << 5) | day); }
WORD DosTime(int hour, int minute, int second) { return WORD((hour << 11) | (minute << 5) | (second / 2)); }

TEST(SearchFileData, DosDateAndTimeMustFormARealDate) {
    const struct {
        WORD date, time;
        bool valid;
        double dateTime;
    } cases[] = {
        {DosDate(2000, 2, 29), DosTime(0, 0, 0), true, 36585},  // a leap year by the 400 rule
        {DosDate(2100, 2, 28), DosTime(12, 0, 0), true, 73109.5},
        {DosDate(2100, 2, 29), DosTime(0, 0, 0), false, 0},  // not a leap year by the 100 rule
        {DosDate(2023, 2, 29), DosTime(0, 0, 0), false, 0},
        {DosDate(2023, 4, 31), DosTime(0, 0, 0), false, 0},
        {DosDate(2023, 0, 1), DosTime(0, 0, 0), false, 0},
        {DosDate(2023, 13, 1), DosTime(0, 0, 0), false, 0},
        {DosDate(2023, 1, 0), DosTime(0, 0, 0), false, 0},
        {DosDate(2023, 1, 1), DosTime(24, 0, 0), false, 0},
        {DosDate(2023, 1, 1), DosTime(0, 60, 0), false, 0},
        {DosDate(2023, 1, 1), WORD(30), false, 0},  // 60 seconds
    };
    for (const auto& c : cases) {
        std::optional<double> dateTime = viewer::DosDateTimeToDateTime(c.date, c.time);
        ASSERT_EQ(dateTime.has_value(), c.valid) << std::hex << c.date << " " << c.time;
        if (c.valid) {
            EXPECT_DOUBLE_EQ(*dateTime, c.dateTime);
        }
    }
}

}  // namespace
