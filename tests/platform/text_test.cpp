#include "core/platform/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlix {
namespace {

const std::string kSmile = "\xF0\x9F\x98\x80";  // U+1F600: two UTF-16 units
const std::string kReplacement = "\xEF\xBF\xBD";

TEST(Text, TruncateUtf16UnitsKeepsSurrogatePairsWhole) {
    struct Case {
        std::string text;
        std::size_t units;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"abc", 0, ""},
        {"abc", 2, "ab"},
        {"abc", 9, "abc"},
        {"a" + kSmile + "b", 1, "a"},
        {"a" + kSmile + "b", 2, "a"},  // the pair would straddle the limit
        {"a" + kSmile + "b", 3, "a" + kSmile},
        {kSmile, 1, ""},
        {"\xC3\xA9\xE6\x97\xA5x", 2, "\xC3\xA9\xE6\x97\xA5"},  // 2 and 3 bytes, one unit each
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TruncateUtf16Units(c.text, c.units), c.expected) << c.text << " " << c.units;
    }
    EXPECT_EQ(Utf16Length("a" + kSmile + "\xC3\xA9"), 4u);
}

TEST(Text, IncompleteTailIsOnlyTheStartOfAWellFormedCharacter) {
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"a", 0},
        {"a" + kSmile, 0},
        {"a" + kSmile.substr(0, 1), 1},
        {"a" + kSmile.substr(0, 3), 3},
        {"\xE6\x97", 2},
        {"\xC3", 1},
        {"\xC0", 0},      // starts only overlong forms
        {"\xED\xA0", 0},  // a surrogate
        {"\xE6"
         "A",
         0},  // not followed by a continuation byte
        {"\x97\x97\x97", 0},
    };
    for (const auto& [text, tail] : cases) EXPECT_EQ(Utf8IncompleteTail(text), tail) << text;
}

TEST(Text, Latin1RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Latin1ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(utf8.size(), 128u + 2 * 128u);
    EXPECT_EQ(Utf8ToLatin1(utf8), all);
    EXPECT_EQ(Latin1ToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(Utf8ToLatin1("\xE6\x97\xA5" + kSmile), "??");
    EXPECT_EQ(Utf8ToLatin1("a\xFF"), "a\xFF");  // no UTF-8: the byte stays
}

TEST(Text, Utf16InBothByteOrders) {
    struct Case {
        const char* what;
        std::string le;  // the units in little-endian order; big-endian is built from it
        std::string utf8;
    };
    const std::vector<Case> cases = {
        {"ascii and BMP", std::string("A\0\xE5\x65", 4), "A\xE6\x97\xA5"},
        {"pair", std::string("\x3D\xD8\x00\xDE", 4), kSmile},
        {"lone high before a letter", std::string("\x3D\xD8\x41\x00", 4), kReplacement + "A"},
        {"lone high at the end", std::string("A\0\x3D\xD8", 4), "A" + kReplacement},
        {"lone low", std::string("\x00\xDE\x41\x00", 4), kReplacement + "A"},
        {"low before high", std::string("\x00\xDE\x3D\xD8", 4), kReplacement + kReplacement},
        {"odd byte at the end", std::string("A\0B", 3), "A" + kReplacement},
    };
    for (const Case& c : cases) {
        std::string be = c.le;
        for (std::size_t i = 0; i + 1 < be.size(); i += 2) std::swap(be[i], be[i + 1]);
        EXPECT_EQ(Utf16LeToUtf8(c.le), c.utf8) << c.what;
        EXPECT_EQ(Utf16BeToUtf8(be), c.utf8) << c.what;
        if (c.utf8.find(kReplacement) == std::string::npos) {
            EXPECT_EQ(Utf8ToUtf16Le(c.utf8), c.le) << c.what;
            EXPECT_EQ(Utf8ToUtf16Be(c.utf8), be) << c.what;
        }
    }
}

}  // namespace
}  // namespace marlix
