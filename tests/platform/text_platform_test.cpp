// Text conversions whose result depends on the system: the ANSI code page of version.txt, wide
// strings and system error texts on Windows.
#include <gtest/gtest.h>

#include <string>

#include "core/platform/text.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "core/platform/text_win32.h"
#endif

namespace marlix {
namespace {

using namespace std::string_literals;

TEST(AnsiToUtf8, AsciiAndLineBreaksPassUnchanged) {
    for (const std::string& text : {""s, "V1.2\r\n"s, "FW 2.0.1\tbuild 7"s, "a\0b"s}) {
        EXPECT_EQ(AnsiToUtf8(text), text);
    }
}

#ifdef _WIN32
TEST(AnsiToUtf8, UsesTheActiveCodePage) {
    // Windows-1252 differs from Latin-1 at 0x80..0x9F, which tells the two conversions apart.
    if (::GetACP() != 1252)
        GTEST_SKIP() << "the active code page is " << ::GetACP();
    EXPECT_EQ(AnsiToUtf8("\x80 5\xE9"), "\xE2\x82\xAC 5\xC3\xA9");
    EXPECT_EQ(AnsiToUtf8("\x93quoted\x94"), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
}

TEST(WideText, RoundTripsAndReplacesWhatCannotBeConverted) {
    const struct {
        std::wstring wide;
        std::string utf8;
    } cases[] = {
        {L"", ""},
        {L"cfg.ini", "cfg.ini"},
        {L"Profil\u00E9 \u65E5\u672C", "Profil\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC"},
        {L"\U0001F4F7", "\xF0\x9F\x93\xB7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WideToUtf8(c.wide), c.utf8);
        EXPECT_EQ(Utf8ToWide(c.utf8), c.wide);
    }
    // A lone surrogate can occur in a Windows file name.
    EXPECT_EQ(WideToUtf8(std::wstring{L'a', wchar_t(0xD800), L'b'}),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(Utf8ToWide("a\xFF"
                         "b"),
              (std::wstring{L'a', wchar_t(0xFFFD), L'b'}));
}

TEST(WideText, PathsWithLoneSurrogatesConvertWithoutThrowing) {
    const std::filesystem::path odd(std::wstring{L'x', wchar_t(0xDC00)});
    EXPECT_EQ(PathToUtf8(odd), "x\xEF\xBF\xBD");
    EXPECT_EQ(PathFromUtf8("x\xC0").native(), (std::wstring{L'x', wchar_t(0xFFFD)}));
}

TEST(WindowsErrorText, IsTheSystemTextWithoutTrailingPunctuation) {
    for (unsigned long code : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_NOT_READY}) {
        const std::string text = WindowsErrorText(code);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.rfind("error ", 0), 0u) << text;
        EXPECT_NE(text.back(), '.');
        EXPECT_NE(text.back(), '\n');
        EXPECT_TRUE(IsValidUtf8(text));
    }
    EXPECT_EQ(WindowsErrorText(0xDEADBEEF), "error 3735928559");
}
#else
TEST(AnsiToUtf8, KeepsUtf8AndReadsAnythingElseAsLatin1) {
    EXPECT_EQ(AnsiToUtf8("Version \xC3\xA9t\xC3\xA9"), "Version \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(AnsiToUtf8("Version \xE9t\xE9"), "Version \xC3\xA9t\xC3\xA9");
    // One stray byte makes the whole text Latin-1, including bytes that looked like UTF-8.
    EXPECT_EQ(AnsiToUtf8("\xC3\xA9\xFF"), "\xC3\x83\xC2\xA9\xC3\xBF");
}
#endif

}  // namespace
}  // namespace marlix
