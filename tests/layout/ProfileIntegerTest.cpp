#include "layout/ProfileInteger.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using layout::ParseProfileInteger;

// Long inputs show as their start and length.
std::string Shown(const std::string& text) {
    if (text.size() <= 40) return "\"" + text + "\"";
    return "\"" + text.substr(0, 20) + "...\" (" + std::to_string(text.size()) + " bytes)";
}

struct Parsed {
    std::string text;
    int32_t value;
    friend void PrintTo(const Parsed& p, std::ostream* os) { *os << Shown(p.text) << " -> " << p.value; }
};

struct Input {
    Input(std::string t) : text(std::move(t)) {}
    Input(const char* t) : text(t) {}
    std::string text;
    friend void PrintTo(const Input& i, std::ostream* os) { *os << Shown(i.text); }
};

class ParsesTo : public testing::TestWithParam<Parsed> {};

TEST_P(ParsesTo, Value) {
    auto value = ParseProfileInteger(GetParam().text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParsesTo,
    testing::Values(Parsed{"12", 12}, Parsed{"0", 0}, Parsed{"-0", 0}, Parsed{"007", 7}, Parsed{"+5", 5},
                    Parsed{"-1", -1}, Parsed{"   42", 42}, Parsed{"2147483647", 2147483647},
                    Parsed{"-2147483648", INT32_MIN}, Parsed{"00000000000000000000000000000000000000012", 12},
                    Parsed{"-000000000000000000000000000000000002147483648", INT32_MIN}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ParsesTo,
    testing::Values(Parsed{"0x1F", 31}, Parsed{"$1f", 31}, Parsed{"x1F", 31}, Parsed{"0X1f", 31},
                    Parsed{"X1f", 31}, Parsed{"0x64", 100}, Parsed{"$64", 100}, Parsed{"0x0", 0},
                    Parsed{"$FFFFFFFF", -1}, Parsed{"$80000000", INT32_MIN}, Parsed{"$7fffffff", 2147483647},
                    Parsed{"$000000000000000000000000FF", 255},
                    // A sign before the prefix is accepted and ignored.
                    Parsed{"-$10", 16}, Parsed{"+0x10", 16}, Parsed{"-x1", 1}, Parsed{"  -$FFFFFFFF", -1}));

class Rejects : public testing::TestWithParam<Input> {};

TEST_P(Rejects, Text) { EXPECT_FALSE(ParseProfileInteger(GetParam().text).has_value()); }

INSTANTIATE_TEST_SUITE_P(
    Malformed, Rejects,
    testing::Values("", "   ", "12px", "100px", "12 ", "1 2", " 12\t", "+", "-", "+-1", "--1", "- 1", "\t12",
                    "0x", "$", "x", "X", "-0x", "0xG", "$1g", "0x 1", "0x-1", "$$1", "00x1", "1.5", "1e3",
                    "true", "yes", "１２", std::string("1\0" "2", 3)));

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, Rejects,
    testing::Values("2147483648", "-2147483649", "+2147483648", "4294967295", "99999999999999999999",
                    "$100000000", "0x1FFFFFFFF", "$FFFFFFFFF", std::string(100000, '9'),
                    std::string("-").append(100000, '9'), std::string("$").append(100000, 'F'),
                    // Too large, and also not a number further on.
                    std::string(30, '9') + "px"));

}  // namespace
