#include "core/export/camera_conf_reader.h"

#include <algorithm>
#include <optional>

#include "core/export/camera_conf.h"
#include "core/platform/escaped_text.h"

namespace marlix {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr std::size_t kShownTextLimit = 60;

// A piece of the file fit for a message: quoted, printable ASCII as it stands, everything else
// escaped byte by byte, long texts cut short, so that a damaged file cannot garble the terminal.
// Unlike EscapedText, which keeps the characters of a name or a label readable, this shows the
// file's bytes exactly, which is what a problem in a damaged file needs.
std::string shown(std::string_view text) {
    std::string out = "\"";
    std::size_t count = 0;
    for (const char c : text) {
        if (count++ == kShownTextLimit) {
            out += "...";
            break;
        }
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            AppendHexEscape(out, byte);
        }
    }
    return out + "\"";
}

std::string optionList(Setting setting) {
    std::string out;
    for (int i = 0; i < OptionCount(setting, OptionScope::Camera); ++i) {
        if (i)
            out += ", ";
        out += shown(OptionText(setting, i));
    }
    return out;
}

bool digitsAt(std::string_view text, std::size_t at, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// A file saved as UTF-16 or a binary file read as ASCII lines would only produce a screenful of
// misleading problems, so it is named for what it is instead.
std::optional<CameraConfProblem> notAsciiText(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LittleEndianMark) || bytes.starts_with(kUtf16BigEndianMark)) {
        return CameraConfProblem{
            1,
            "the file is UTF-16 text (it starts with a UTF-16 byte-order mark), not an ASCII "
            "camera.conf"};
    }
    const std::size_t nul = bytes.find('\0');
    if (nul == std::string_view::npos)
        return std::nullopt;
    const auto line =
        static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + nul, '\n'));
    return CameraConfProblem{line + 1,
                             "a NUL byte in this line: the file is UTF-16 or binary, not an "
                             "ASCII camera.conf"};
}

class Reader {
public:
    Reader(CameraConfReading& out, std::size_t problemsKept)
        : m_out(out), m_problemsKept(problemsKept) {}

    void line(std::size_t number, std::string_view text) {
        if (number == 1) {
            if (text == kCameraConfFirstLine)
                return;
            firstLineProblem(text);
            // A file that merely lacks its first line still has its settings read, so that they
            // are not reported as missing as well.
            std::string_view rest = text;
            if (rest.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
                rest.remove_prefix(kByteOrderMark.size());
            }
            if (rest.empty() || rest.substr(0, rest.find('=')) == "enable_cfg")
                return;
            text = rest;
        }
        if (text.empty())
            return problem(number, "empty line");
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) {
            return problem(number, shown(text) + " is not a key=text line");
        }
        const std::string_view key = text.substr(0, equals);
        const std::string_view value = text.substr(equals + 1);
        if (key == kCameraConfClockKey)
            return clockLine(number, value);
        if (key == "enable_cfg") {
            return problem(number, "\"enable_cfg\" belongs on the first line only");
        }
        const int position = CameraConfSettingPosition(key);
        if (position < 0)
            return problem(number, "unknown key " + shown(key));
        settingLine(number, position, value);
    }

    void missingLineEnd(std::size_t number) {
        problem(number, "the last line has no line end (every line ends in CR LF)");
    }

    void finish() {
        for (std::size_t i = 0; i < kCameraConfOrder.size(); ++i) {
            if (m_out.settings[i])
                continue;
            problem(0, "key " + shown(RowOf(kCameraConfOrder[i]).name) + " is missing");
        }
    }

private:
    void problem(std::size_t line, std::string message) {
        if (m_out.problemCount++ < m_problemsKept)
            m_out.problems.push_back({line, std::move(message)});
    }

    void firstLineProblem(std::string_view text) {
        std::string message = "the first line must be \"enable_cfg=true\"";
        if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
            message += "; the file starts with a byte-order mark";
        } else if (text.find('\r') != std::string_view::npos) {
            message += "; lines must end in CR LF or LF, not CR alone";
        } else {
            message += ", found " + shown(text);
        }
        problem(1, std::move(message));
    }

    void clockLine(std::size_t number, std::string_view value) {
        if (m_clockLine) {
            return problem(number, "key \"sync_clock\" appears again (first on line " +
                                       std::to_string(m_clockLine) + ")");
        }
        m_clockLine = number;
        if (!IsWellFormedClockText(value)) {
            return problem(number, "sync_clock " + shown(value) +
                                       " is not a time of the form YYYY-MM-DD hh:mm:ss");
        }
        m_out.clockText = std::string(value);
    }

    void settingLine(std::size_t number, int position, std::string_view value) {
        const Setting setting = kCameraConfOrder[static_cast<std::size_t>(position)];
        const std::string_view name = RowOf(setting).name;
        auto& slot = m_out.settings[static_cast<std::size_t>(position)];
        if (slot) {
            return problem(number, "key " + shown(name) + " appears again (first on line " +
                                       std::to_string(slot->line) + ")");
        }
        CameraConfSetting read;
        read.line = number;
        read.text = std::string(value);
        // The camera takes every option it knows, also those no page offers.
        read.index = FindOption(setting, value, OptionScope::Camera).value_or(-1);
        if (read.index < 0) {
            problem(number, shown(value) + " is not an option of " + shown(name) +
                                " (options: " + optionList(setting) + ")");
        }
        slot = std::move(read);
    }

    CameraConfReading& m_out;
    std::size_t m_problemsKept;
    std::size_t m_clockLine = 0;
};

}  // namespace

ProfileSelections CameraConfReading::selections() const {
    ProfileSelections s;
    for (std::size_t i = 0; i < kCameraConfOrder.size(); ++i) {
        SelectionField(s, kCameraConfOrder[i]) =
            settings[i] && settings[i]->index >= 0 ? settings[i]->index : 0;
    }
    s.system.m_syncClock = clockText ? 1 : 0;
    return s;
}

std::string CameraConfReading::moreProblemsText() const {
    const std::size_t more = problemCount - problems.size();
    if (more == 0)
        return {};
    return "and " + std::to_string(more) + (more == 1 ? " more problem" : " more problems");
}

CameraConfReading ReadCameraConf(std::string_view bytes, std::size_t problemsKept) {
    CameraConfReading out;
    if (auto problem = notAsciiText(bytes)) {
        out.problemCount = 1;
        if (problemsKept > 0)
            out.problems.push_back(std::move(*problem));
        return out;
    }
    Reader reader(out, problemsKept);
    std::size_t number = 0;
    std::size_t at = 0;
    do {
        std::size_t end = bytes.find('\n', at);
        std::string_view text = bytes.substr(at, end == std::string_view::npos ? end : end - at);
        at = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end != std::string_view::npos && !text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        reader.line(++number, text);
        // Every line ends in a line end, the last included: a file without its final one may
        // have been cut short.
        if (end == std::string_view::npos && !bytes.empty())
            reader.missingLineEnd(number);
    } while (at < bytes.size());
    reader.finish();
    return out;
}

bool IsWellFormedClockText(std::string_view text) {
    if (text.size() != kClockTextLength)
        return false;
    if (text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':') {
        return false;
    }
    int year, month, day, hour, minute, second;
    if (!digitsAt(text, 0, 4, year) || !digitsAt(text, 5, 2, month) || !digitsAt(text, 8, 2, day) ||
        !digitsAt(text, 11, 2, hour) || !digitsAt(text, 14, 2, minute) ||
        !digitsAt(text, 17, 2, second)) {
        return false;
    }
    // A leap second (:60) is what the C library may format, so it is taken as well formed.
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month) && hour <= 23 &&
           minute <= 59 && second <= 60;
}

int CameraConfSettingPosition(std::string_view keyName) {
    const auto setting = FindSetting(keyName);
    return setting ? RowOf(*setting).cameraConfPosition : -1;
}

std::vector<CameraConfDifference> DiffCameraConf(const ProfileSelections& profile,
                                                 const CameraConfReading& file) {
    std::vector<CameraConfDifference> out;
    for (std::size_t i = 0; i < kCameraConfOrder.size(); ++i) {
        const Setting setting = kCameraConfOrder[i];
        const std::string_view ours =
            CameraConfOptionText(setting, SelectionField(profile, setting));
        const std::string theirs = file.settings[i] ? file.settings[i]->text : "(missing)";
        if (ours != theirs)
            out.push_back({std::string(RowOf(setting).name), std::string(ours), theirs});
    }
    const bool ourClock = profile.system.m_syncClock != 0;
    const bool theirClock = file.clockText.has_value();
    if (ourClock != theirClock) {
        out.push_back({std::string(kCameraConfClockKey), ourClock ? "TRUE" : "FALSE",
                       theirClock ? "TRUE" : "FALSE"});
    }
    return out;
}

}  // namespace marlix
