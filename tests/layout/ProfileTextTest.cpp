// Finding a key's value in a profile file's text, as the check after a write
// reads what reached the disk: the first section and key of a name, names
// in any case and with blanks, values without them, bare LFs, no line end at the end.
#include "layout/ProfileText.h"

#include <gtest/gtest.h>

TEST(ProfileText, TheFirstSectionAndKeyOfANameGiveTheValueWithoutBlanks) {
    const std::string text = "count=9\r\n[Caption]\r\nButton1=開く=1\r\n form = \r\n[ enable ]\nIMAGE1=0\nimage1=1\n"
                             "[Caption]\r\nButton2=later\r\n[extension]\r\ncount=2";
    const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
        {"Caption", "Button1", "開く=1"}, {"Caption", "Form", ""}, {"Enable", "image1", "0"},
        {"Caption", "Button2", std::nullopt}, {"extension", "count", "2"}, {"Width", "Form", std::nullopt}};
    const std::u16string wide(text.begin(), text.end());  // the values found are views into it
    for (const auto& [section, key, value] : cases) {
        const auto found = layout::FindValue(wide, std::u16string(section, section + strlen(section)),
                                             std::u16string(key, key + strlen(key)));
        EXPECT_EQ(found ? std::optional(std::string(found->begin(), found->end())) : std::nullopt, value) << key;
    }
}
