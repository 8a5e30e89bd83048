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

TEST(Paths, FullNamesStartAtADriveOrASeparator) {
    for (const char* full : {"C:\\a.jpg", "c:a.jpg", "\\\\server\\share\\a.bmp", "\\a.jpg", "/a.jpg"})
        EXPECT_TRUE(base::IsFullName(full)) << full;
    for (const char* relative : {"a.jpg", "pics\\a.jpg", ""})
        EXPECT_FALSE(base::IsFullName(relative)) << relative;
}

}  // namespace
