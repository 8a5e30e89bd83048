#include "ui/Cp932.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932, TrailByteBackslashIsNotABackslash) {
    EXPECT_FALSE(ui::EndsWithBackslash("C:\\docs\\表"));  // 0x95 0x5C
    EXPECT_TRUE(ui::EndsWithBackslash("C:\\docs\\表\\"));
    EXPECT_TRUE(ui::EndsWithBackslash("\\"));
    EXPECT_FALSE(ui::EndsWithBackslash(""));
    EXPECT_EQ(ui::LastChar("aソ"), "ソ");
}

TEST(Cp932, SeparatorsAndExtensionDotSkipTrailBytes) {
    std::string name = "C:\\表\\file";
    EXPECT_EQ(ui::LastSeparator(name), name.size() - 5);
    EXPECT_EQ(ui::ExtensionDot("C:\\a.b\\file"), std::string::npos);
    EXPECT_EQ(ui::ExtensionDot("C:\\a\\file.tar.gz"), 13u);
    EXPECT_EQ(ui::ExtensionDot("C:name.rkd", "\\:"), 6u);
}

TEST(Cp932, RoundTripsThroughUtf16) {
    std::string text = "フォルダを選択してください";
    EXPECT_EQ(ui::FromWide(ui::ToWide(text)), text);
    EXPECT_EQ(ui::ToWide("表"), L"\u8868");
}

}  // namespace
