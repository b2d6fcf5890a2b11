// How the INI layer reads one line of text: blanks, headers, key lines and values, shared by its
// reading and its editing halves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace marlix::ini_lines {

// Values returned to callers are at most this many UTF-16 code units, as the Windows functions
// return them into a buffer of 256 units.
constexpr std::size_t kMaxValueUnits = 255;

inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

inline char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string_view trimBlanks(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

inline bool isBlankLine(std::string_view text) {
    return trimBlanks(text).empty();
}

// "[name]" with blanks allowed around it and inside the brackets; the name runs to the last "]".
inline std::optional<std::string_view> parseHeader(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i == text.size() || text[i] != '[')
        return std::nullopt;
    const std::size_t close = text.rfind(']');
    if (close == std::string_view::npos || close <= i)
        return std::nullopt;
    return trimBlanks(text.substr(i + 1, close - i - 1));
}

struct KeyLine {
    std::string_view key;
    std::size_t equals;      // position of the "="
    std::size_t valueBegin;  // first position after the "=" and the blanks that follow it
};

// Comments (";"), headers and lines without "=" hold no key.
inline std::optional<KeyLine> parseKeyLine(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i == text.size() || text[i] == ';' || text[i] == '[')
        return std::nullopt;
    const std::size_t equals = text.find('=', i);
    if (equals == std::string_view::npos)
        return std::nullopt;
    std::size_t valueBegin = equals + 1;
    while (valueBegin < text.size() && isBlank(text[valueBegin])) ++valueBegin;
    return KeyLine{trimBlanks(text.substr(i, equals - i)), equals, valueBegin};
}

inline std::string_view cleanValue(std::string_view afterEquals) {
    std::string_view v = trimBlanks(afterEquals);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return v;
}

inline std::string_view eolText(std::uint8_t eol) {
    static constexpr std::string_view texts[] = {"", "\n", "\r\n", "\r"};
    return texts[eol];
}

}  // namespace marlix::ini_lines
