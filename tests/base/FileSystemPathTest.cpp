#include "base/FileSystemPath.h"

#include <gtest/gtest.h>

#include <string>

#include "base/CodePage.h"
#include "base/Files.h"
#include "support/Scratch.h"

namespace {

// Below the limit a path goes as it is, so names and the platform's reading
// of them stay as they always were; from it on, whole behind "\\?\". So
// does a full one with a name whose end the platform would cut (a dot, a
// blank), at any length, and it keeps that end.
TEST(FileSystemPath, LongPathsAndCutNamesTakeTheirFullFormBehindTheLongPrefix) {
    const std::wstring deep = L"C:\\" + std::wstring(300, L'x') + L"\\表.txt";
    const std::wstring share = L"\\\\server\\share\\" + std::wstring(300, L'y') + L"\\a.txt";
    const struct {
        std::wstring path;
        std::wstring expected;
    } cases[] = {
        {L"C:\\docs\\a.txt", L"C:\\docs\\a.txt"},
        {L"C:\\docs\\\\..\\a.txt", L"C:\\docs\\\\..\\a.txt"},
        {deep, L"\\\\?\\" + deep},
        {L"C:\\" + std::wstring(300, L'x') + L"\\\\sub\\..\\表.txt", L"\\\\?\\" + deep},
        {L"C:/" + std::wstring(300, L'x') + L"/表.txt", L"\\\\?\\" + deep},
        {share, L"\\\\?\\UNC\\" + share.substr(2)},
        {L"\\\\?\\" + deep, L"\\\\?\\" + deep},
        {L"", L""},
        {L"C:\\m\\apache.\\18", L"\\\\?\\C:\\m\\apache.\\18"},
        {L"C:\\m\\apache.\\", L"\\\\?\\C:\\m\\apache.\\"},
        {L"\\\\server\\share\\b \\*.txt", L"\\\\?\\UNC\\server\\share\\b \\*.txt"},
        {deep + L"\\apache.", L"\\\\?\\" + deep + L"\\apache."},
        {L"C:\\m\\*.", L"C:\\m\\*."},                    // a pattern: the platform's to read
        {L"C:\\m\\..\\apache.", L"C:\\m\\..\\apache."},  // not plain: as it always was
        {L"m\\apache.", L"m\\apache."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(base::FromWide(c.path.substr(0, 40)));
        EXPECT_EQ(base::ForFileSystem(c.path), c.expected);
    }
}

// The two ways a platform call tells that its buffer is too small: the size
// it needs, or a path cut short to the buffer's size.
TEST(FileSystemPath, FilledPathGrowsItsBufferUntilThePathFits) {
    enum class TooSmall { SizeNeeded, CutShort };
    const struct {
        size_t length;
        TooSmall answer;
    } cases[] = {
        {10, TooSmall::SizeNeeded}, {259, TooSmall::SizeNeeded}, {260, TooSmall::SizeNeeded},
        {700, TooSmall::SizeNeeded}, {259, TooSmall::CutShort}, {260, TooSmall::CutShort},
        {5000, TooSmall::CutShort},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const std::wstring path(c.length, L'p');
        const base::Path filled = base::FilledPath([&](wchar_t* buffer, unsigned long size) -> unsigned long {
            if (path.size() < size) return path.copy(buffer, path.size());
            if (c.answer == TooSmall::SizeNeeded) return path.size() + 1;
            path.copy(buffer, size);  // no terminator, as GetModuleFileNameW on Windows XP
            return size;
        });
        EXPECT_EQ(filled.size(), path.size());
        EXPECT_TRUE(filled == path);
    }
    EXPECT_EQ(base::FilledPath([](wchar_t*, unsigned long) { return 0ul; }), L"");
}

// A short path longer than the platform's limit: its buffer must grow.
TEST(FileSystemPath, ShortPathNameOfADeepFolderIsWhole) {
    testsupport::ScratchFolder scratch;
    std::wstring tail;
    for (int i = 0; i < 30; ++i) tail += (i ? L"\\folder" : L"folder") + std::to_wstring(i % 10);
    const std::wstring deep = scratch.MakeFolder(tail);
    const base::Path shortName = base::ShortPathName(base::ForFileSystem(deep));
    ASSERT_GT(shortName.size(), base::kPathLimit);
    EXPECT_EQ(shortName.substr(shortName.size() - tail.size()), tail);
    EXPECT_TRUE(base::IsExistingFolder(shortName));
}

}  // namespace
