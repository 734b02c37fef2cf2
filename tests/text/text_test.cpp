#include "text/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

using namespace std::string_literals;

TEST(FindText, StepsOverTwoByteCharacters) {
    struct Case { std::string_view text, sub; int start; bool ignoreCase; int expected; };
    const Case cases[] = {
        {"\xD5]]", "]", 1, false, 3},                // D5 5D is one character
        {"abcabc", "c", 1, false, 3},
        {"abcabc", "c", 0, false, 3},                // start 0 means the first byte
        {"abcabc", "c", -7, false, 3},
        {"abcabc", "c", 4, false, 6},
        {"abc", "c", 3, false, 3},
        {"abc", "c", 4, false, -1},                  // one past the last byte
        {"abc", "c", INT_MAX, false, -1},
        {"abc", "x", 1, false, -1},
        {"\xB0\xA1\xA1", "\xA1\xA1", 1, false, -1},  // A1 A1 only across a character
        {"\xB0\xA1\xA1\xA1", "\xA1\xA1", 1, false, 3},
        {"a\xD5", "b", 1, false, -1},                // a lone lead byte ends the search
        {"a\xD5", "\xD5", 1, false, 2},              // but is compared before it stops
        {"x\x80]\xFF]]", "]", 1, false, 6},          // 0x80 and 0xFF lead too
        {"Bet365", "bet365", 1, false, -1},
        {"xBet365", "bET365", 1, true, 2},
        {"\xE1x", "\xC1x", 1, true, -1},             // only ASCII letters fold
        {"abc", "", 2, false, 1},
        {"abc", "", 4, false, -1},
        {"", "", 1, false, -1},
        {"", "a", 1, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" / \"" << c.sub << "\" from " << c.start);
        EXPECT_EQ(FindText(c.text, c.sub, c.start, c.ignoreCase), c.expected);
    }
    EXPECT_EQ(FindText("abcabc", "c"), FindText("abcabc", "c", 0));
}

TEST(LeftAndMidText, CountBytes) {
    EXPECT_EQ(LeftText("12.345", 4), "12.3");
    EXPECT_EQ(LeftText("abc", 4), "abc");
    EXPECT_EQ(LeftText("abc", 0), "");
    EXPECT_EQ(LeftText("abc", -1), "");
    EXPECT_EQ(LeftText("\xC0\xFB\xC8", 1), "\xC0");  // may cut a character

    EXPECT_EQ(MidText("abcde", 1, 100), "abcde");
    EXPECT_EQ(MidText("abcde", 2, 3), "bcd");
    EXPECT_EQ(MidText("abcde", 5, 1), "e");
    EXPECT_EQ(MidText("abcde", 6, 1), "");
    EXPECT_EQ(MidText("abcde", 1, 0), "");
    EXPECT_EQ(MidText("abcde", 0, 2), "");
    EXPECT_EQ(MidText("abcde", INT_MIN, 2), "");
    EXPECT_EQ(MidText("abcde", 2, -1), "");
    EXPECT_EQ(TextLength(""), 0);
    EXPECT_EQ(TextLength("\xC0\xFB" "1"), 3);
}

TEST(ReplaceSubtext, WalksCharactersWithoutOverlap) {
    struct Case { std::string_view text, sub, replacement, expected; };
    const Case cases[] = {
        {"a|b|", "|", "\r\n", "a\r\nb\r\n"},
        {"aaa", "aa", "b", "ba"},                    // occurrences do not overlap
        {"ab", "a", "aa", "aab"},                    // the inserted text is not searched again
        {"\xD5|x|", "|", "\r\n", "\xD5|x\r\n"},      // D5 7C is one character
        {"a|\xD5", "|", "-", "a-"},                  // a lone lead byte at the end is dropped
        {"ab\xD5", "#\xD2\xFD\xBA\xC5", "\"", "ab\xD5"},  // fewer bytes left than the pattern
        {"k#\xD2\xFD\xBA\xC5" "=", "#\xD2\xFD\xBA\xC5", "\"", "k\"="},
        {"abc", "", "x", "abc"},
        {"", "a", "x", ""},
        {"abc", "abcd", "x", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" / \"" << c.sub << '"');
        EXPECT_EQ(ReplaceSubtext(c.text, c.sub, c.replacement), c.expected);
    }
}

TEST(TrimBoth, RemovesSpacesAndFullWidthSpaces) {
    struct Case { std::string_view text, expected; };
    const Case cases[] = {
        {"\xA1\xA1\xA1\xA1" "ab\t ", "ab\t"},  // the tab ends the trailing run
        {"  ab  ", "ab"},
        {" a \xA1\xA1 b ", "a \xA1\xA1 b"},
        {"\xA1\xA1 \xA1\xA1 ", ""},
        {"\t a\r\n", "\t a\r\n"},
        {"a\xA1\xA1", "a"},
        {"\xB0\xA1\xA1 ", "\xB0\xA1\xA1 "},    // A1 20 is a character, not a blank
        {"ab \xD5", "ab "},                    // lone lead byte cut, blanks before it stay
        {"  \xD5", ""},
        {"\xA1", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
        EXPECT_EQ(TrimBoth(c.text), c.expected);
    }
}

TEST(SplitText, KeepsEmptyPiecesExceptTheLast) {
    using Pieces = std::vector<Text>;
    struct Case { std::string_view text; Pieces expected; };
    const Case cases[] = {
        {"A \\*B \\*", {"A", "B"}},
        {" \\*A", {"", "A"}},
        {"A \\* \\*B", {"A", "", "B"}},
        {"A", {"A"}},
        {"", {}},
        {" \\*", {""}},
        {"\xD5 \\*", {"\xD5 \\*"}},            // D5 20 is one character: no separator here
        {"\xD5\xD5 \\*x", {"\xD5\xD5", "x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
        EXPECT_EQ(SplitText(c.text, " \\*"), c.expected);
    }
    EXPECT_EQ(SplitText("abc", ""), Pieces{"abc"});
    EXPECT_EQ(SplitText("", ""), Pieces{});
}

TEST(ToNumber, ParsesTheLeadingDecimalNumber) {
    struct Case { std::string_view text; double expected; };
    const Case cases[] = {
        {"1.95", 1.95}, {" 2000", 2000}, {"", 0}, {"abc", 0}, {"1,000", 1}, {"2e3", 2000},
        {"1d2", 100}, {"1D-2", 0.01}, {"1E+2", 100}, {"1e", 1}, {"1.5e+", 1.5}, {"-7.8", -7.8},
        {"+5", 5}, {".5", 0.5}, {"-.5", -0.5}, {"5.", 5}, {".", 0}, {"-", 0}, {"--5", 0},
        {"- 5", 0}, {"0x1A", 0}, {"inf", 0}, {"nan", 0}, {"1 000", 1}, {"3.14abc", 3.14},
        {"\t\n\v\f\r 7", 7},
        {"\xA3\xB1\xA3\xAE\xA3\xB5", 1.5},         // full-width 1.5
        {"\xA1\xA1\xA3\xB2\xA3\xB0", 20},          // full-width space, 2, 0
        {"\xA3\xAD\xA3\xB5", -5},                  // full-width minus
        {"\xC0\xFB" "5", 0},                       // begins with a Chinese character
        {"5\xC0\xFB", 5},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"0.1000000000000000055511151231257827021181583404541015625", 0.1},
        {"1e-320", 1e-320},
        {"1e-400", 0}, {"1e400", std::numeric_limits<double>::infinity()},
        {"-1e400", -std::numeric_limits<double>::infinity()},
        {"0.000000000000000000000000000001e330", 1e300},
        {"1e99999999999999999999999", std::numeric_limits<double>::infinity()},
        {"0e99999999999999999999999", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
        EXPECT_EQ(ToNumber(c.text), c.expected);
    }
}

TEST(ToNumber, IsCorrectlyRounded) {
    // The calculator's results depend on getting the nearest double, not one a few ulps off.
    EXPECT_EQ(ToNumber("2.01") * 2000, 4019.9999999999995);
    EXPECT_EQ(ToNumber("2.01"), 2.01);
    EXPECT_EQ(ToNumber("1.7"), 1.7);
    EXPECT_EQ(ToNumber("2.4703282292062328e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_TRUE(std::signbit(ToNumber("-1e-400")));
}

TEST(ToInt, TruncatesThenKeepsTheLow32Bits) {
    struct Case { double x; std::int32_t expected; };
    const Case cases[] = {
        {7.8, 7}, {-7.8, -7}, {-0.5, 0}, {-0.0, 0},
        {2147483647.9, 2147483647},
        {2147483648.0, INT32_MIN},
        {4294967296.0, 0},
        {4294967297.9, 1},
        {-2147483649.0, INT32_MAX},
        {9223372036854774784.0, -1024},           // largest double below 2^63
        {9223372036854775808.0, 0},               // 2^63
        {-9223372036854775808.0, 0},
        {1e300, 0},
        {std::numeric_limits<double>::infinity(), 0},
        {-std::numeric_limits<double>::infinity(), 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x);
        EXPECT_EQ(ToInt(c.x), c.expected);
    }
}

TEST(NumberToText, WritesPlainDecimal) {
    EXPECT_EQ(NumberToText(-35), "-35");
    EXPECT_EQ(NumberToText(0), "0");
    EXPECT_EQ(NumberToText(1234567), "1234567");
    EXPECT_EQ(NumberToText(INT32_MIN), "-2147483648");
    EXPECT_EQ(NumberToText(INT32_MAX), "2147483647");
}

TEST(BytesConcatEquals, Basics) {
    EXPECT_EQ(BytesToText("AB\0C"s), "AB");
    EXPECT_EQ(BytesToText("\0AB"s), "");
    EXPECT_EQ(BytesToText("\xC0\xFB"), "\xC0\xFB");
    EXPECT_EQ(BytesToText(""), "");

    EXPECT_EQ(ConcatText({"http://h", "/777.asp"}), "http://h/777.asp");
    EXPECT_EQ(ConcatText({"a", "", "b"}), "ab");

    EXPECT_TRUE(TextEquals("", Text{}));
    EXPECT_FALSE(TextEquals("Bet365", "bet365"));
    EXPECT_FALSE(TextEquals("ab", "abc"));
    EXPECT_TRUE(TextEquals("\xC0\xFB", "\xC0\xFB"));
}

}  // namespace
