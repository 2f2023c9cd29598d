#include "platform/codec.hpp"
#include "platform/text.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Two-byte characters whose second byte looks like something a byte-wise helper would act on.
const Text spaceTrail = "\x81\x20";     // second byte is a half-width space
const Text backslashTrail = "\x81\x5C"; // 乗: second byte is "\"
const Text commaTrail = "\x81\x2C";     // second byte is ","
const Text letterTrail = "\x81\x41";    // 丄: second byte is "A"
const Text digitTrail = "\x81\x35";     // second byte is "5"
const Text fullWidthSpace = "\xA1\xA1";
const Text ideographicComma = "\xA1\xA2"; // lead A1 followed by something other than A1
// Character 81 A1, then A1 41: the bytes A1 A1 straddle two characters and are no space.
const Text straddlingA1A1 = "\x81\xA1\xA1\x41";
const Text lone = "\x81"; // a lead byte with nothing after it

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

TEST(TextCharLength, LeadByteTakesTheNextByteUnlessItIsLast) {
    struct Case {
        Text text;
        std::size_t pos;
        std::size_t expected;
    };
    const Case cases[] =
        {
            {"ab", 0, 1}, {spaceTrail, 0, 2},     {"a" + backslashTrail, 1, 2},
            {lone, 0, 1}, {"a" + lone, 1, 1},     {"ab", 2, 0},
            {"", 0, 0},   {fullWidthSpace, 0, 2}, {"\x7Fz", 0, 1}, // 0x7F is still a one-byte character
        };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " at " + std::to_string(c.pos));
        EXPECT_EQ(text::charLength(c.text, c.pos), c.expected);
    }
}

TEST(TextSpaces, RemoveAndTrimActOnWholeCharacters) {
    struct Case {
        const char* name;
        Text input;
        Text removed;
        Text trimmed;
    };
    const Case cases[] = {
        {"half-width spaces", "  a b  c ", "abc", "a b  c"},
        {"full-width spaces", fullWidthSpace + "a" + fullWidthSpace + "b" + fullWidthSpace, "ab",
         "a" + fullWidthSpace + "b"},
        {"mixed run at both ends", " " + fullWidthSpace + " x " + fullWidthSpace, "x", "x"},
        {"other white space stays", "\ta b\r\n", "\tab\r\n", "\ta b\r\n"},
        {"only spaces", "  " + fullWidthSpace + " ", "", ""},
        {"empty", "", "", ""},
        {"second byte 0x20 is no space", " " + spaceTrail + " x" + spaceTrail, spaceTrail + "x" + spaceTrail,
         spaceTrail + " x" + spaceTrail},
        {"A1 A1 across two characters", " " + straddlingA1A1 + " ", straddlingA1A1, straddlingA1A1},
        {"A1 followed by another byte", ideographicComma + " " + ideographicComma,
         ideographicComma + ideographicComma, ideographicComma + " " + ideographicComma},
        {"lone A1 at the end", fullWidthSpace + "\xA1", "\xA1", "\xA1"},
        {"lead byte at the end after a space", "a " + lone, "a" + lone, "a " + lone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text::removeSpaces(c.input), c.removed);
        EXPECT_EQ(text::trim(c.input), c.trimmed);
    }
}

TEST(TextToLower, OnlyAsciiLettersChange) {
    struct Case {
        Text input;
        Text expected;
    };
    const Case cases[] = {
        {"Hello WORLD 09", "hello world 09"},
        {"@AZ[`az{", "@az[`az{"}, // the bytes just outside A..Z stay
        {letterTrail + "B", letterTrail + "b"},
        {"A" + lone, "a" + lone},
        {"\xA3\xC1", "\xA3\xC1"}, // full-width A is no ASCII letter
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(text::toLower(c.input), c.expected);
    }
}

TEST(TextToHalfWidth, MapsTheFullWidthFormsOnly) {
    struct Case {
        Text input;
        Text expected;
    };
    const Case cases[] = {
        {"\xA3\xC1\xA3\xE2\xA3\xB1", "Ab1"},
        {"\xA3\xA1", "!"},        // first of the range
        {"\xA3\xFE", "~"},        // last of the range
        {"\xA3\xA0", "\xA3\xA0"}, // just below it
        {fullWidthSpace, " "},
        {"\xA1\xAB", "~"},
        {"\xA1\xEE\xA1\xEF", "**"},
        {ideographicComma, ideographicComma},
        {codec::gbk("中文，"), codec::gbk("中文") + ","},
        {"\x81\xA3\xC1", "\x81\xA3\xC1"}, // A3 C1 straddles the character 81 A3 and a lone C1
        {"x\xA3", "x\xA3"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(text::toHalfWidth(c.input), c.expected);
    }
}

TEST(TextSplit, EverySeparatorAtACharacterBoundaryEndsAMember) {
    struct Case {
        const char* name;
        Text input;
        Text separator;
        std::vector<Text> members;
    };
    const Case cases[] = {
        {"plain", "I am here", " ", {"I", "am", "here"}},
        {"adjacent separators", "a,,b", ",", {"a", "", "b"}},
        {"separator at the start", ",a", ",", {"", "a"}},
        {"separator at the end", "a,b,", ",", {"a", "b"}},
        {"only a separator", ",", ",", {""}},
        {"empty text", "", ",", {}},
        {"no separator", "abc", ",", {"abc"}},
        {"longer separator", "a--b---c", "--", {"a", "b", "-c"}},
        {"second byte equals the separator", commaTrail + "x,y", ",", {commaTrail + "x", "y"}},
        {"second byte 0x5C", backslashTrail + "\\b", "\\", {backslashTrail, "b"}},
        {"second byte 0x20", spaceTrail + " b", " ", {spaceTrail, "b"}},
        {"two-byte separator",
         codec::gbk("甲，乙，"),
         codec::gbk("，"),
         {codec::gbk("甲"), codec::gbk("乙")}},
        {"two-byte separator across characters", "\xA3\xA3\xAC", "\xA3\xAC", {"\xA3\xA3\xAC"}},
        {"empty separator", "ab", "", {"ab"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text::split(c.input, c.separator), c.members);
    }
}

TEST(TextFind, MatchesStartOnlyAtCharacterBoundaries) {
    struct Case {
        const char* name;
        Text haystack;
        Text needle;
        std::size_t start;
        std::optional<std::size_t> expected;
    };
    const Text zhongWen = codec::gbk("中文中文"); // D6 D0 CE C4 twice
    const Case cases[] = {
        {"first match", "abcabc", "bc", 1, 2},
        {"from a later start", "abcabc", "bc", 3, 5},
        {"start on the match", "abcabc", "bc", 5, 5},
        {"no match", "abc", "d", 1, std::nullopt},
        {"needle longer than the rest", "abc", "bcd", 1, std::nullopt},
        {"start past the end", "abc", "a", 4, std::nullopt},
        {"empty haystack", "", "a", 1, std::nullopt},
        {"empty needle", "abc", "", 1, 1},
        {"empty needle, later start", "abc", "", 3, 1},
        {"empty needle, empty haystack", "", "", 1, std::nullopt},
        {"second byte 0x5C", backslashTrail + "\\", "\\", 1, 3},
        {"second byte 0x20", spaceTrail + " ", " ", 1, 3},
        {"two-byte characters", zhongWen, codec::gbk("文"), 1, 3},
        {"two-byte characters from a later start", zhongWen, codec::gbk("文"), 4, 7},
        {"bytes across two characters", zhongWen, "\xD0\xCE", 1, std::nullopt},
        {"start on a second byte", letterTrail + "A", "A", 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text::find(c.haystack, c.needle, c.start), c.expected);
    }
}

TEST(TextFind, StartDefaultsToTheFirstPosition) {
    EXPECT_EQ(text::find("abcb", "b"), 2u);
}

TEST(TextNumbers, LeadingNumberAfterFullWidthConversion) {
    struct Case {
        Text input;
        std::int32_t integer;
        double number;
    };
    const double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {" -12abc", -12, -12.0},
        {codec::gbk("２５"), 25, 25.0},
        {"1.9", 1, 1.9},
        {"", 0, 0.0},
        {"-0.5", 0, -0.5},
        {"+7", 7, 7.0},
        {"99999999999", int32Max, 99999999999.0},
        {"-99999999999", int32Min, -99999999999.0},
        {"2147483647", int32Max, 2147483647.0},
        {"2147483648", int32Max, 2147483648.0},
        {"-2147483648", int32Min, -2147483648.0},
        {"1.2.3", 1, 1.2},
        {"  " + codec::gbk("３．５"), 3, 3.5},
        {fullWidthSpace + "7", 7, 7.0},
        {"\t\r\n 8", 8, 8.0},
        {codec::gbk("－3"), -3, -3.0},
        {".5", 0, 0.5},
        {"5.", 5, 5.0},
        {"abc", 0, 0.0},
        {"-", 0, 0.0},
        {".", 0, 0.0},
        {"- 5", 0, 0.0},
        {"1e5", 1, 1.0},
        {"0x1F", 0, 0.0},
        {"007", 7, 7.0},
        {digitTrail + "5", 0, 0.0},
        // A long fraction rounds the real number up, never the integer.
        {"0.99999999999999999999", 0, 1.0},
        {"-2.99999999999999999999", -2, -3.0},
        {"1" + Text(400, '0'), int32Max, infinity},
        {"0." + Text(400, '0') + "1", 0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(text::toInteger(c.input), c.integer);
        EXPECT_DOUBLE_EQ(text::toNumber(c.input), c.number);
    }
}

TEST(TextNumberToText, IntegersInPlainDecimal) {
    struct Case {
        std::int64_t value;
        Text expected;
    };
    const Case cases[] = {
        {0, "0"},
        {42, "42"},
        {-12, "-12"},
        {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::numberToText(c.value), c.expected);
    }
}

TEST(TextNumberToText, RealsWithThirteenSignificantDigitsAndNoTrailingZeros) {
    struct Case {
        double value;
        Text expected;
    };
    const Case cases[] = {
        {2.0, "2"},
        {2.5, "2.5"},
        {-2.5, "-2.5"},
        {100.0, "100"},
        {10.50, "10.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {1.0 / 3.0, "0.3333333333333"},
        {2.0 / 3.0, "0.6666666666667"},
        {0.1 + 0.2, "0.3"},
        {1234567890123.0, "1234567890123"},
        {1.0000000000001, "1"}, // the fourteenth digit goes
        {9.99999999999999, "10"},
        {123456.789, "123456.789"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(text::numberToText(c.value), c.expected);
    }
}

TEST(TextRealToInteger, TruncatesTowardZeroWithinThe32BitRange) {
    struct Case {
        double value;
        std::int32_t expected;
    };
    const double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {1.9, 1},
        {-1.9, -1},
        {-0.5, 0},
        {2147483646.5, 2147483646},
        {2147483647.9, int32Max},
        {-2147483648.9, int32Min},
        {3e9, int32Max},
        {-3e9, int32Min},
        {infinity, int32Max},
        {-infinity, int32Min},
        {std::nan(""), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(text::realToInteger(c.value), c.expected);
    }
}

} // namespace
