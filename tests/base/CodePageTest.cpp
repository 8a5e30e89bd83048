#include "base/CodePage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/ShiftJis.h"

namespace {

// The lead-byte rule is written out rather than asked of the platform, so
// that it holds wherever it is built (the native fuzzers rely on it): it must
// be the platform's rule for code page 932.
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
