#include "platform/ini.hpp"

#include <cctype>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

std::string testName(const char* description) {
    std::string name;
    for (const char* c = description; *c != '\0'; ++c) {
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    }
    return name;
}

struct FindCase {
    const char* name;
    std::string contents;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

void PrintTo(const FindCase& c, std::ostream* os) {
    *os << c.name;
}

class IniFind : public ::testing::TestWithParam<FindCase> {};

TEST_P(IniFind, ReadsTheValueThatTheFormatDefines) {
    const FindCase& c = GetParam();
    EXPECT_EQ(ini::find(c.contents, c.section, c.key), c.expected);
}

// "\xB0\x5D" is one GBK character whose second byte is "]"; "\xBC\xD9" is "假".
INSTANTIATE_TEST_SUITE_P(
    Cases, IniFind,
    ::testing::Values(
        FindCase{"plain", "[loginfo]\r\nlog=1\r\n", "loginfo", "log", "1"},
        FindCase{"names ignore ASCII case", "[LogInfo]\r\nLOG=1\r\n", "loginfo", "Log", "1"},
        FindCase{"blanks around the value go", "[a]\r\nk = \t x y \t\r\n", "a", "k", "x y"},
        FindCase{"blanks around the key go", "[a]\r\n \tk\t =v\r\n", "a", "k", "v"},
        FindCase{"present empty value", "[a]\r\nk=\r\n", "a", "k", ""},
        FindCase{"value runs from the first =", "[a]\r\nk==b=c\r\n", "a", "k", "=b=c"},
        FindCase{"quotes are part of the value", "[a]\r\nk=\"v\"\r\n", "a", "k", "\"v\""},
        FindCase{"GBK value kept byte for byte", "[a]\r\nk=\xBC\xD9\r\n", "a", "k", "\xBC\xD9"},
        FindCase{"key absent", "[a]\r\nk=v\r\n", "a", "other", std::nullopt},
        FindCase{"section absent", "[a]\r\nk=v\r\n", "b", "k", std::nullopt},
        FindCase{"key of another section", "[a]\r\nx=1\r\n[b]\r\nk=v\r\n", "a", "k", std::nullopt},
        FindCase{"key before any section", "k=v\r\n[a]\r\n", "a", "k", std::nullopt},
        FindCase{"key name must match whole", "[a]\r\nkey=v\r\n", "a", "k", std::nullopt},
        FindCase{"first of two equal keys", "[a]\r\nk=1\r\nK=2\r\n", "a", "k", "1"},
        FindCase{"section given twice", "[a]\r\nx=1\r\n[b]\r\n[A]\r\nk=2\r\n", "a", "k", "2"},
        FindCase{"LF endings", "[a]\nk=v\n", "a", "k", "v"},
        FindCase{"lone CR endings", "[a]\rk=v\r", "a", "k", "v"},
        FindCase{"no final line ending", "[a]\r\nk=v", "a", "k", "v"},
        FindCase{"blanks in and around the header", "  [ a ]  \r\nk=v\r\n", "a", "k", "v"},
        FindCase{"text after the header ignored", "[a] ; note\r\nk=v\r\n", "a", "k", "v"},
        FindCase{"header without closing bracket", "[a\r\nk=v\r\n", "a", "k", "v"},
        FindCase{"] inside a GBK section name", "[\xB0\x5D]\r\nk=v\r\n", "\xB0\x5D", "k", "v"},
        FindCase{"UTF-8 mark before the first header", "\xEF\xBB\xBF[a]\r\nk=v\r\n", "a", "k", "v"},
        FindCase{"lines without = are skipped", "[a]\r\n; k\r\njunk\r\nk=v\r\n", "a", "k", "v"},
        FindCase{"empty key is no key", "[a]\r\n=v\r\n", "a", "", std::nullopt},
        FindCase{"empty file", "", "a", "k", std::nullopt}),
    [](const auto& info) { return testName(info.param.name); });

struct EditCase {
    const char* name;
    std::string contents;
    std::string section;
    std::string key;
    std::string value;
    std::string expected;
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

class IniWithValue : public ::testing::TestWithParam<EditCase> {};

TEST_P(IniWithValue, ChangesOnlyWhatItMust) {
    const EditCase& c = GetParam();
    const Text edited = ini::withValue(c.contents, c.section, c.key, c.value);
    EXPECT_EQ(edited, c.expected);
    EXPECT_EQ(ini::find(edited, c.section, c.key), c.value);
}

const std::string fixture = "; position\r\n"
                            "[loginfo]\r\n"
                            "section=1\r\n"
                            "  Log = 1  \r\n"
                            "\r\n"
                            "; speech\r\n"
                            "[msc]\r\n"
                            "engine=intp65\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWithValue,
    ::testing::Values(
        EditCase{
            "replace keeps the key as spelled and every other line", fixture, "loginfo", "log", "0",
            "; position\r\n[loginfo]\r\nsection=1\r\n  Log =0\r\n\r\n; speech\r\n[msc]\r\nengine=intp65\r\n"},
        EditCase{"new key goes after the last key of its section", fixture, "LOGINFO", "topic", "7",
                 "; position\r\n[loginfo]\r\nsection=1\r\n  Log = 1  \r\ntopic=7\r\n\r\n; speech\r\n[msc]\r\n"
                 "engine=intp65\r\n"},
        EditCase{"new section at the end", fixture, "reading", "main", "65",
                 fixture + "[reading]\r\nmain=65\r\n"},
        EditCase{"only the first of two equal keys", "[a]\r\nk=1\r\nk=2\r\n", "a", "k", "3",
                 "[a]\r\nk=3\r\nk=2\r\n"},
        EditCase{"new key into the first of two blocks", "[a]\r\nx=1\r\n[b]\r\n[a]\r\ny=2\r\n", "a", "k", "v",
                 "[a]\r\nx=1\r\nk=v\r\n[b]\r\n[a]\r\ny=2\r\n"},
        EditCase{"new key right after a bare header", "[a]\r\n\r\n[b]\r\n", "a", "k", "v",
                 "[a]\r\nk=v\r\n\r\n[b]\r\n"},
        EditCase{"the value is written exactly", "[a]\r\nk=1\r\n", "a", "k", "\"x\" ;\xBC\xD9",
                 "[a]\r\nk=\"x\" ;\xBC\xD9\r\n"},
        EditCase{"an empty value", "[a]\r\nk=1\r\n", "a", "k", "", "[a]\r\nk=\r\n"},
        EditCase{"the file's own LF endings", "[a]\nx=1\n", "a", "k", "v", "[a]\nx=1\nk=v\n"},
        EditCase{"last line without ending", "[a]\r\nx=1", "a", "k", "v", "[a]\r\nx=1\r\nk=v\r\n"},
        EditCase{"new section after an open last line", "[a]\r\nx=1", "b", "k", "v",
                 "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        EditCase{"replace in a line without ending", "[a]\r\nk=1", "a", "k", "22", "[a]\r\nk=22"},
        EditCase{"empty file", "", "a", "k", "v", "[a]\r\nk=v\r\n"},
        EditCase{"UTF-8 mark stays", "\xEF\xBB\xBF[a]\r\nk=1\r\n", "a", "k", "2",
                 "\xEF\xBB\xBF[a]\r\nk=2\r\n"}),
    [](const auto& info) { return testName(info.param.name); });

TEST(IniIsStorable, RefusesWhatCouldNotBeReadBackAsWritten) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        bool storable;
    };
    const Case cases[] = {
        {"loginfo", "log", "1", true},
        {"loginfo", "log", "", true},
        {"loginfo", "log", " a = b ; [c] \xBC\xD9", true},
        {"\xB0\x5D", "k", "v", true},
        {"loginfo", "log", "1\r\n[x]", false},
        {"loginfo", "log", "1\nk=2", false},
        {"loginfo", "log", "1\r", false},
        {"loginfo", "", "v", false},
        {"loginfo", " log", "v", false},
        {"loginfo", "log\t", "v", false},
        {"loginfo", "a=b", "v", false},
        {"loginfo", "[x]", "v", false},
        {"loginfo", "lo\ng", "v", false},
        {"", "k", "v", false},
        {" loginfo", "k", "v", false},
        {"a]b", "k", "v", false},
        {"a\nb", "k", "v", false},
        // A lone lead byte would take the closing "]" as its second byte.
        {"a\xB0", "k", "v", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ini::isStorable(c.section, c.key, c.value), c.storable)
            << "[" << c.section << "] " << c.key << "=" << c.value;
    }
}

} // namespace
