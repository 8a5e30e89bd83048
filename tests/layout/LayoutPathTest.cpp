#include "layout/LayoutPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PathCase {
    std::string path;
    std::string expected;
};

class LayoutPathFor : public testing::TestWithParam<PathCase> {};

TEST_P(LayoutPathFor, ReplacesOrAppendsTheExtension) {
    EXPECT_EQ(layout::LayoutPathFor(GetParam().path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, LayoutPathFor,
    testing::Values(PathCase{"D:\\tools\\rokabina.exe", "D:\\tools\\rokabina.rkd"},
                    PathCase{"D:\\tools\\menu.exe", "D:\\tools\\menu.rkd"},
                    PathCase{"D:\\a.b\\menu", "D:\\a.b\\menu.rkd"},
                    PathCase{"D:\\tools\\archive.tar.exe", "D:\\tools\\archive.tar.rkd"},
                    PathCase{"D:\\tools\\rokabina.", "D:\\tools\\rokabina.rkd"},
                    PathCase{"rokabina", "rokabina.rkd"},
                    PathCase{"D:\\ツール表\\ビューア.exe", "D:\\ツール表\\ビューア.rkd"},
                    // 表 ends in byte 0x5C: it must not hide the dot before it.
                    PathCase{"D:\\tools\\v1.0表", "D:\\tools\\v1.rkd"},
                    PathCase{"D:\\x.y\\表", "D:\\x.y\\表.rkd"}));

}  // namespace
