#include "base/FileSystemPath.h"

#include <gtest/gtest.h>

#include <string>

#include "base/CodePage.h"

namespace {

// Below the limit a path goes as it is, so names and the platform's reading
// of them stay as they always were; from it on, whole behind "\\?\".
TEST(FileSystemPath, LongPathsTakeTheirFullFormBehindTheLongPrefix) {
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(base::FromWide(c.path.substr(0, 40)));
        EXPECT_EQ(base::ForFileSystem(c.path), c.expected);
    }
}

}  // namespace
