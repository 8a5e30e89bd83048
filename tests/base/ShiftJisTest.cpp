#include "base/ShiftJis.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/CodePage.h"

namespace {

TEST(ShiftJis, TrailByteBackslashIsNotABackslash) {
    EXPECT_FALSE(base::EndsWithBackslash("C:\\docs\\表"));  // 0x95 0x5C
    EXPECT_TRUE(base::EndsWithBackslash("C:\\docs\\表\\"));
    EXPECT_TRUE(base::EndsWithBackslash("\\"));
    EXPECT_FALSE(base::EndsWithBackslash(""));
    EXPECT_EQ(base::LastChar("aソ"), "ソ");
    EXPECT_EQ(base::LastChar("a\x81"), "\x81");  // a lead byte at the end stands alone
}

// The rule is written out rather than asked of the platform, so that it holds
// wherever it is built: it must be the platform's rule for code page 932.
TEST(ShiftJis, LeadBytesAreThePlatformsForCodePage932) {
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(base::IsLeadByte(char(b)), IsDBCSLeadByteEx(base::kShiftJis, BYTE(b)) != FALSE) << b;
}

TEST(CodePage, RoundTripsThroughUtf16) {
    std::string text = "フォルダを選択してください";
    EXPECT_EQ(base::FromWide(base::ToWide(text)), text);
    EXPECT_EQ(base::ToWide("表"), L"\u8868");
}

}  // namespace
