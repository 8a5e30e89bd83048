// The profile functions' rules, as measured on them: which line gives a
// key's value, and what a write leaves in the file.
#include "layout/ProfileText.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using layout::FindValue;
using layout::ProfileDocument;

std::string Narrow(std::u16string_view s) { return std::string(s.begin(), s.end()); }
std::u16string Wide(std::string_view s) { return std::u16string(s.begin(), s.end()); }

TEST(ProfileText, ReadsTheFirstSectionAndKeyOfANameWithoutTheBlanks) {
    const std::tuple<std::string, const char*, const char*, std::optional<std::string>> cases[] = {
        {"[ Enable ]\r\nk=1\r\n", "enable", "K", "1"},
        {"[Enable]\rk=1\rj=2\r", "Enable", "j", "2"},           // a CR alone ends a line
        {"[s]\r\na\rb=1\r\n", "s", "b", "1"},
        {"[s]]x\r\nk=1\r\n", "s]", "k", "1"},                   // the name runs to the last "]"
        {"[a]\r\nk=1\r\n[s\r\nj=2\r\n", "a", "j", "2"},         // no "]": a key line
        {"k=0\r\n[s]\r\n k = 1 \r\n", "s", "k", "1"},
        {"k=0\r\n", "", "k", std::nullopt},                     // before any section: no section finds it
        {"[s]\r\nk\r\n", "s", "k", std::nullopt},               // no "=": no value
        {"[s]\r\n;k=3\r\n", "s", ";k", "3"},                    // a comment is a key like any
        {"[s]\r\n[s]\r\nk=3\r\n", "s", "k", std::nullopt},      // only the first section of a name
        {"[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
        {"[s]\r\nk=a\x1a\t\r\n", "s", "k", "a"},                // ^Z is a blank
        {"[s]\r\nk=\"q\"\r\n", "s", "k", "\"q\""},              // stored with its quotes
        {std::string("[s]\r\nk=a\0b\r\n", 12), "s", "k", "a"},
    };
    for (const auto& [text, section, key, value] : cases) {
        const std::u16string wide = Wide(text);
        const std::optional<std::u16string_view> found = FindValue(wide, Wide(section), Wide(key));
        EXPECT_EQ(found ? std::optional(Narrow(*found)) : std::nullopt, value) << text;
    }
}

TEST(ProfileText, AWriteLeavesTheFileAsThePlatformWritesIt) {
    const std::pair<const char*, const char*> cases[] = {  // before, after setting [s] k=v
        {"", "[s]\r\nk=v\r\n"},
        {"[s]\r\n", "[s]\r\nk=v\r\n"},
        {"k=0\r\n\r\n[a]\r\n\r\nx = 1 \r\n; c\r\nnoeq\r\n=e\r\n=f\r\n[b]\r\ny=2\r\n",
         "k=0\r\n[a]\r\nx=1\r\n; c\r\nnoeq\r\n=e\r\n[b]\r\ny=2\r\n[s]\r\nk=v\r\n"},
        {"[a]\r\nk=1\r\n[s]\r\nq=1\r\n[s]\r\nz=1", "[a]\r\nk=1\r\n[s]\r\nq=1\r\nk=v\r\n[s]\r\nz=1\r\n"},
        {"[s]\nk=1\n", "[s]\r\nk=v\r\n"},
        {"[]\r\nk=1\r\n[s]\r\nq=2\r\n", "k=1\r\n[s]\r\nq=2\r\nk=v\r\n"},
        {"[s]\r\nk\r\n", "[s]\r\nk=v\r\n"},
    };
    for (const auto& [before, after] : cases) {
        ProfileDocument document(Wide(before));
        EXPECT_TRUE(document.Set(u"s", u"k", u"v")) << before;
        EXPECT_EQ(Narrow(document.Text()), after) << before;
    }
    // A value it already holds, blanks before it aside, changes nothing.
    EXPECT_FALSE(ProfileDocument(u"[s]\r\nk= v\r\n").Set(u"S", u"K", u"\t v"));
}

TEST(ProfileText, AReadTakesMatchingQuotesAwayAndCutsTheRest) {
    const std::tuple<const char*, size_t, const char*> cases[] = {
        {"\"q\"", 10, "q"}, {"'q'", 10, "q"}, {"\"q'", 10, "\"q'"}, {"\"", 10, "\""}, {"\"\"", 10, ""},
        {"abcdef", 4, "abcd"}, {"\"abcd\"", 4, "abc"}, {"\"abc\"", 4, "abc"},
    };
    for (const auto& [stored, units, read] : cases)
        EXPECT_EQ(Narrow(layout::ReadableValue(Wide(stored), units)), read) << stored << " " << units;
}

}  // namespace
