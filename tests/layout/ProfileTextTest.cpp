// Finding a key's value in a profile file's text, as the check after a write
// reads what reached the disk: the first section and key of a name, names
// in any case and with blanks, bare LFs, no line end at the end.
#include "layout/ProfileText.h"

#include <gtest/gtest.h>

TEST(ProfileText, TheFirstSectionAndKeyOfANameGiveTheValueAsItStands) {
    const std::string text = "count=9\r\n[Caption]\r\nButton1=開く=1\r\n form = \r\n[ enable ]\nIMAGE1=0\nimage1=1\n"
                             "[Caption]\r\nButton2=later\r\n[extension]\r\ncount=2";
    const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
        {"Caption", "Button1", "開く=1"}, {"Caption", "Form", " "}, {"Enable", "image1", "0"},
        {"Caption", "Button2", std::nullopt}, {"extension", "count", "2"}, {"Width", "Form", std::nullopt}};
    for (const auto& [section, key, value] : cases) EXPECT_EQ(layout::ProfileValue(text, section, key), value) << key;
    EXPECT_EQ(layout::StoredValue("  \t x "), "x ");
}
