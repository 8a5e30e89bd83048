#include "base/Paths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PathCase {
    std::string path;
    std::string folder;
    std::string name;
    std::string extension;
};

// "表" and "ソ" end in byte 0x5C: never a separator.
TEST(Paths, SplitAtTheLastWholeSeparatorOrDriveColon) {
    const PathCase cases[] = {
        {"D:\\tools\\rokabina.exe", "D:\\tools\\", "rokabina.exe", ".exe"},
        {"D:\\表\\rokabina.exe", "D:\\表\\", "rokabina.exe", ".exe"},
        {"C:\\docs\\表", "C:\\docs\\", "表", ""},
        {"C:\\a.b\\file", "C:\\a.b\\", "file", ""},
        {"C:\\a\\file.tar.gz", "C:\\a\\", "file.tar.gz", ".gz"},
        {"C:name.rkd", "C:", "name.rkd", ".rkd"},
        {"pics/logo.JPG", "pics/", "logo.JPG", ".JPG"},
        {"v1.0表", "", "v1.0表", ".0表"},
        {"C:\\", "C:\\", "", ""},
        {"rokabina.", "", "rokabina.", "."},
        {"", "", "", ""},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(base::FolderPart(c.path), c.folder);
        EXPECT_EQ(base::FileNamePart(c.path), c.name);
        EXPECT_EQ(base::ExtensionOf(c.path), c.extension);
    }
}

TEST(Paths, WithExtensionReplacesOrAppends) {
    EXPECT_EQ(base::WithExtension("D:\\tools\\rokabina.exe", ".rkd"), "D:\\tools\\rokabina.rkd");
    EXPECT_EQ(base::WithExtension("D:\\a.b\\menu", ".rkd"), "D:\\a.b\\menu.rkd");
    EXPECT_EQ(base::WithExtension("D:\\x.y\\表", ".rkd"), "D:\\x.y\\表.rkd");
}

TEST(Paths, JoinAddsOneBackslashWhereNoneEndsTheFolder) {
    EXPECT_EQ(base::JoinPath("C:\\docs", "a.txt"), "C:\\docs\\a.txt");
    EXPECT_EQ(base::JoinPath("C:\\docs\\", "a.txt"), "C:\\docs\\a.txt");
    EXPECT_EQ(base::JoinPath("C:\\表", "a.txt"), "C:\\表\\a.txt");
    EXPECT_EQ(base::JoinPath("C:", "a.txt"), "C:a.txt");
    EXPECT_EQ(base::JoinPath("", "a.txt"), "a.txt");
}

// As the file system has them: a yen sign or a Hangul syllable is a
// character like any other, never part of a separator.
TEST(Paths, WideNamesSplitAndJoinAsTheFileSystemHasThem) {
    const struct {
        std::wstring path, folder, name, extension;
    } cases[] = {
        {L"Z:\\메뉴 café\\rokabina.exe", L"Z:\\메뉴 café\\", L"rokabina.exe", L".exe"},
        {L"C:\\docs\\価格\u00A5100.txt", L"C:\\docs\\", L"価格\u00A5100.txt", L".txt"},
        {L"C:\\a.b\\emoji\U0001F600", L"C:\\a.b\\", L"emoji\U0001F600", L""},
        {L"C:name.rkd", L"C:", L"name.rkd", L".rkd"},
        {L"", L"", L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(base::FolderPart(c.path), c.folder);
        EXPECT_EQ(base::FileNamePart(c.path), c.name);
        EXPECT_EQ(base::ExtensionOf(c.path), c.extension);
        EXPECT_EQ(base::JoinPath(c.folder, c.name), c.folder.empty() ? c.name : c.path);
    }
    // Outside the macros: their texts of the arguments are code page 932.
    const std::wstring korean = L"Z:\\한국어\\menu", korea = L"C:\\한", relative = L"메뉴\\a.jpg";
    EXPECT_EQ(base::WithExtension(korean + L".exe", L".rkd"), korean + L".rkd");
    EXPECT_EQ(base::JoinPath(korea, L"a.txt"), korea + L"\\a.txt");
    EXPECT_TRUE(base::IsFullName(L"\\\\server\\share\\a.bmp"));
    EXPECT_FALSE(base::IsFullName(relative));
}

TEST(Paths, FullNamesStartAtADriveOrASeparator) {
    for (const char* full : {"C:\\a.jpg", "c:a.jpg", "\\\\server\\share\\a.bmp", "\\a.jpg", "/a.jpg"})
        EXPECT_TRUE(base::IsFullName(full)) << full;
    for (const char* relative : {"a.jpg", "pics\\a.jpg", ""})
        EXPECT_FALSE(base::IsFullName(relative)) << relative;
}

}  // namespace
