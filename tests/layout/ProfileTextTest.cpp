// Finding a key's value in a profile file's text, as the check after a
// write reads what reached the disk.
#include "layout/ProfileText.h"

#include <gtest/gtest.h>

namespace {

using layout::ProfileValue;

TEST(ProfileText, TheFirstSectionAndKeyOfANameGiveTheValueAsItStands) {
    const std::string text =
        "; a comment\r\n"
        "count=9\r\n"                      // before any section
        "[Caption]\r\n"
        "Button1=開く=1\r\n"
        " form = \r\n"
        "[ enable ]\n"                      // a bare LF, blanks and another case
        "IMAGE1=0\n"
        "image1=1\n"
        "[Caption]\r\n"
        "Button2=later\r\n"
        "[extension]\r\n"
        "count=2";                          // no line end at the end
    struct Case {
        const char *section, *key;
        std::optional<std::string> value;
    } cases[] = {
        {"Caption", "Button1", "開く=1"}, {"Caption", "Form", " "},       {"Enable", "image1", "0"},
        {"Caption", "Button2", std::nullopt}, {"extension", "count", "2"}, {"Width", "Form", std::nullopt},
        {"Caption", "image1", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ProfileValue(text, c.section, c.key), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(layout::StoredValue("  \t x "), "x ");
}

}  // namespace
