#include "core/export/camera_conf_reader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/export/camera_conf.h"

namespace marlix {
namespace {

std::string defaultFile() {
    ProfileSelections s = DefaultSelections();
    s.system.m_syncClock = 0;
    return BuildCameraConf(s, "");
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::string lineEndsReplaced(const std::string& text, char by) {
    std::string out;
    for (char c : text) {
        if (c != '\r')
            out += c == '\n' ? by : c;
    }
    return out;
}

TEST(CameraConfReader, WhatWeWriteReadsBackAsTheSameSelections) {
    ProfileSelections s = DefaultSelections();
    s.mode.m_mode1 = 4;
    s.image.m_iso = 6;  // "3200": the camera knows it even though no page offers it
    s.photo.m_autoShoot = 2;
    s.photo.m_photoBurst = 4;
    s.system.m_format = 1;
    for (const bool lfOnly : {false, true}) {
        std::string text = BuildCameraConf(s, "2026-02-28 23:59:59");
        if (lfOnly)
            text = lineEndsReplaced(text, '\n');
        const CameraConfReading r = ReadCameraConf(text);
        ASSERT_TRUE(r.valid()) << r.problems.front().line << ": " << r.problems.front().message;
        EXPECT_EQ(r.selections(), s);
        EXPECT_EQ(r.clockText, "2026-02-28 23:59:59");
        EXPECT_EQ(r.settings[0]->line, 2u);
        EXPECT_EQ(r.settings[27]->text, "true");
    }
    const CameraConfReading noClock = ReadCameraConf(defaultFile());
    EXPECT_TRUE(noClock.valid());
    EXPECT_EQ(noClock.selections().system.m_syncClock, 0);
}

// A file saved as UTF-16 would otherwise be read as one line full of NULs and CRs.
std::string asUtf16(std::string_view text, bool bigEndian, bool mark) {
    std::string out;
    if (mark)
        out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : text) {
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return out;
}

TEST(CameraConfReader, EveryDepartureIsReportedWithItsLine) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::size_t> lines;
        const char* firstMessagePart;
    };
    const std::string good = defaultFile();
    // The good file's lines: its last line, and the numbers of lines added after it.
    const auto last = static_cast<std::size_t>(std::count(good.begin(), good.end(), '\n'));
    const Case cases[] = {
        {"wrong first line",
         replaced(good, "enable_cfg=true", "enable_cfg=false"),
         {1},
         "first line"},
        {"byte-order mark", "\xEF\xBB\xBF" + good, {1}, "byte-order mark"},
        {"CR-only line ends", lineEndsReplaced(good, '\r'), std::vector<std::size_t>(last + 1, 0),
         "CR alone"},
        {"first line missing", good.substr(17), {1}, "found \"mode_1=1920x1080p 60\""},
        {"unknown key", replaced(good, "fov=wide", "f0v=wide"), {6, 0}, "unknown key \"f0v\""},
        {"spaces around =",
         replaced(good, "fov=wide", "fov = wide"),
         {6, 0},
         "unknown key \"fov \""},
        {"case differs", replaced(good, "=sfine", "=SFine"), {5}, "\"SFine\" is not an option"},
        {"not a key=text line", replaced(good, "fov=wide", "fov"), {6, 0}, "not a key=text"},
        {"blank line", replaced(good, "fov=wide\r\n", "fov=wide\r\n\r\n"), {7}, "empty line"},
        {"key twice", good + "mode_3=8M\r\n", {last + 1}, "appears again (first on line 4)"},
        {"clock twice",
         good + "sync_clock=2026-01-01 00:00:00\r\nsync_clock=2026-01-01 00:00:00\r\n",
         {last + 2},
         "\"sync_clock\" appears again"},
        {"bad month",
         good + "sync_clock=2026-13-01 00:00:00\r\n",
         {last + 1},
         "YYYY-MM-DD hh:mm:ss"},
        {"no leading zero", good + "sync_clock=2026-1-01 00:00:00\r\n", {last + 1}, "not a time"},
        {"29 February of a common year",
         good + "sync_clock=2100-02-29 00:00:00\r\n",
         {last + 1},
         "not a time"},
        {"enable_cfg again", good + "enable_cfg=true\r\n", {last + 1}, "first line only"},
        {"missing key", replaced(good, "osd=on\r\n", ""), {0}, "key \"osd\" is missing"},
        {"empty file", "", std::vector<std::size_t>(last, 0), "first line"},
        {"last line end missing", good.substr(0, good.size() - 2), {last}, "no line end"},
        {"last line end missing after LF lines",
         lineEndsReplaced(good, '\n') + "sync_clock=2026-01-01 00:00:00",
         {last + 1},
         "no line end"},
        {"UTF-16 LE", asUtf16(good, false, true), {1}, "UTF-16 text"},
        {"UTF-16 BE", asUtf16(good, true, true), {1}, "UTF-16 text"},
        {"UTF-16 without a mark", asUtf16(good, false, false), {1}, "UTF-16 or binary"},
        {"NUL byte further down",
         replaced(good, "=wide", std::string("=wi\0de", 7)),
         {6},
         "UTF-16 or binary"},
        {"control bytes shown escaped",
         replaced(good, "=wide",
                  "=wi\x01"
                  "de"),
         {6},
         "\"wi\\x01de\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CameraConfReading r = ReadCameraConf(c.text);
        std::vector<std::size_t> lines;
        for (const auto& p : r.problems) lines.push_back(p.line);
        if (c.lines.size() >= last) {  // nothing but a first line: every key is missing too
            EXPECT_EQ(r.problemCount, c.lines.size());
            EXPECT_EQ(lines.empty() ? 0u : lines.front(), 1u);
        } else {
            EXPECT_EQ(lines, c.lines);
        }
        if (r.problems.empty()) {
            ADD_FAILURE() << "no problem reported";
            continue;
        }
        EXPECT_NE(r.problems.front().message.find(c.firstMessagePart), std::string::npos)
            << r.problems.front().message;
    }
}

// A file as large as a card's camera.conf may be, bad on every line: the first problems are kept
// as texts, the rest only counted.
TEST(CameraConfReader, KeepsTheFirstProblemsOfAHugeFileAndCountsTheRest) {
    const std::string first = "enable_cfg=true\r\n";
    const std::size_t emptyLines = kCameraConfReadLimit - first.size();
    const std::size_t badLines = 50000;
    std::string bad;
    for (std::size_t i = 0; i < badLines; ++i) bad += "fov=ultra\r\nno key\r\n";
    const struct {
        const char* what;
        std::string text;
        std::size_t count;
        const char* firstMessagePart;
    } cases[] = {
        {"empty lines", first + std::string(emptyLines, '\n'), emptyLines + kCameraConfSettingCount,
         "empty line"},
        {"bad lines", first + bad, 2 * badLines + kCameraConfSettingCount - 1,
         "\"ultra\" is not an option"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CameraConfReading r = ReadCameraConf(c.text);
        EXPECT_FALSE(r.valid());
        EXPECT_EQ(r.problemCount, c.count);
        EXPECT_EQ(r.problems.size(), kCameraConfProblemsKept);
        if (r.problems.empty())
            continue;
        EXPECT_EQ(r.problems.front().line, 2u);
        EXPECT_NE(r.problems.front().message.find(c.firstMessagePart), std::string::npos)
            << r.problems.front().message;
        EXPECT_EQ(ReadCameraConf(c.text, c.count).problems.size(), c.count);
    }
}

TEST(CameraConfReader, WrongOptionListsTheKeysOptions) {
    const CameraConfReading r =
        ReadCameraConf(replaced(defaultFile(), "mode_2=1280x720p 120", "mode_2=720p"));
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0].message,
              "\"720p\" is not an option of \"mode_2\" (options: \"1280x720p 120\", "
              "\"1280x720p 60\", \"1280x720p 30\")");
}

TEST(CameraConfReader, ClockTexts) {
    for (const char* good : {"2024-02-29 00:00:00", "0000-01-01 23:59:59", "9999-12-31 12:30:60"}) {
        EXPECT_TRUE(IsWellFormedClockText(good)) << good;
    }
    for (const char* bad :
         {"2023-02-29 00:00:00", "2024-04-31 00:00:00", "2024-00-10 00:00:00",
          "2024-01-01 24:00:00", "2024-01-01 00:60:00", "2024-01-01T00:00:00", "2024-01-01 00:00:0",
          "2024-01-01 00:00:001", "+024-01-01 00:00:00", "", "2024-01-01 0a:00:00"}) {
        EXPECT_FALSE(IsWellFormedClockText(bad)) << bad;
    }
}

TEST(CameraConfDiff, ListsDifferingKeysInFileOrderWithTheClockLast) {
    ProfileSelections profile = DefaultSelections();  // clock flag set
    profile.system.m_syncClock = 0;
    EXPECT_TRUE(DiffCameraConf(profile, ReadCameraConf(defaultFile())).empty());

    ProfileSelections other = profile;
    other.image.m_ev = 12;
    other.mode.m_mode3 = 3;
    other.system.m_syncClock = 1;
    const auto diff =
        DiffCameraConf(profile, ReadCameraConf(BuildCameraConf(other, "2026-01-01 00:00:00")));
    const std::vector<CameraConfDifference> expected = {
        {"mode_3", "16M", "5M"},
        {"image_ev", "0.0", "+2.0"},
        {"sync_clock", "FALSE", "TRUE"},
    };
    EXPECT_EQ(diff, expected);

    const auto missing =
        DiffCameraConf(profile, ReadCameraConf(replaced(defaultFile(), "osd=on\r\n", "")));
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0], (CameraConfDifference{"osd", "on", "(missing)"}));
}

}  // namespace
}  // namespace marlix
