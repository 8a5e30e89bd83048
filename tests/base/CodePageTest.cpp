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

// A character the code page lacks never turns into a look-alike: "é" into
// "e" (another existing name, perhaps) or "¥" into a backslash.
TEST(CodePage, NamesOutsideTheCodePageAreRefusedExactlyAndShownAsQuestionMarks) {
    const struct {
        const wchar_t* wide;
        const char* exact;  // null: refused
        const char* shown;
    } cases[] = {
        {L"表示ソフト①ｶﾅＡ", "表示ソフト①ｶﾅＡ", "表示ソフト①ｶﾅＡ"},
        {L"café", nullptr, "caf?"},
        {L"価格\u00A5100.txt", nullptr, "価格?100.txt"},
        {L"한글.txt", nullptr, "??.txt"},
        {L"简单", nullptr, "??"},
        {L"emoji\U0001F600.txt", nullptr, "emoji??.txt"},
        {L"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(base::FromWide(c.wide));
        const std::optional<std::string> exact = base::FromWideExactly(c.wide);
        EXPECT_EQ(exact.has_value(), c.exact != nullptr);
        if (c.exact && exact) EXPECT_EQ(*exact, c.exact);
        EXPECT_EQ(base::FromWide(c.wide), c.shown);
    }
}

}  // namespace
