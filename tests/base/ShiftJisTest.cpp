#include "base/ShiftJis.h"

#include <gtest/gtest.h>

namespace {

TEST(ShiftJis, TrailByteBackslashIsNotABackslash) {
    EXPECT_FALSE(base::EndsWithBackslash("C:\\docs\\表"));  // 0x95 0x5C
    EXPECT_TRUE(base::EndsWithBackslash("C:\\docs\\表\\"));
    EXPECT_TRUE(base::EndsWithBackslash("\\"));
    EXPECT_FALSE(base::EndsWithBackslash(""));
    EXPECT_EQ(base::LastChar("aソ"), "ソ");
    EXPECT_EQ(base::LastChar("a\x81"), "\x81");  // a lead byte at the end stands alone
}

}  // namespace
