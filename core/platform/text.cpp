#include "core/platform/text.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace marlix {

namespace {

// The length a well-formed character that starts with this byte has, 0 for a byte that starts
// none (a continuation byte, 0xC0 and 0xC1, which could only start overlong forms, and 0xF5 up).
std::size_t lengthFromLead(unsigned char lead) {
    return lead < 0x80    ? 1
           : lead < 0xC2  ? 0
           : lead <= 0xDF ? 2
           : lead <= 0xEF ? 3
           : lead <= 0xF4 ? 4
                          : 0;
}

// Whether the `count` bytes after the lead at text[i] may follow it. The second byte's range
// excludes overlong forms, surrogates and code points past U+10FFFF.
bool followersFit(std::string_view text, std::size_t i, std::size_t count) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = at(i);
    if (count >= 1) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        if (at(i + 1) < low || at(i + 1) > high)
            return false;
    }
    for (std::size_t k = 2; k <= count; ++k) {
        if (at(i + k) < 0x80 || at(i + k) > 0xBF)
            return false;
    }
    return true;
}

// Decodes one code point at s[i]; returns its length, or 0 when the sequence is malformed.
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& out) {
    const std::size_t length = Utf8SequenceAt(s, i);
    if (length != 0)
        out = Utf8CodePointAt(s, i, length);
    return length;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) -> char16_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    const std::size_t n = bytes.size() / 2 * 2;
    for (std::size_t i = 0; i < n; i += 2) {
        char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < n) {
            char16_t v = unit(i + 2);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (v - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? char32_t(0xFFFD) : char32_t(u));
    }
    if (bytes.size() % 2)
        appendUtf8(out, 0xFFFD);
    return out;
}

std::string utf8ToUtf16(std::string_view utf8, bool bigEndian) {
    std::string out;
    out.reserve(utf8.size() * 2);
    auto put = [&](char16_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        if (bigEndian) {
            out += hi, out += lo;
        } else {
            out += lo, out += hi;
        }
    };
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        std::size_t len = decodeUtf8(utf8, i, cp);
        if (len == 0) {
            cp = 0xFFFD;
            len = 1;
        }
        if (cp >= 0x10000) {
            put(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            put(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            put(static_cast<char16_t>(cp));
        }
        i += len;
    }
    return out;
}

}  // namespace

std::size_t Utf8SequenceAt(std::string_view text, std::size_t i) {
    const std::size_t length = lengthFromLead(static_cast<unsigned char>(text[i]));
    if (length == 0 || i + length > text.size() || !followersFit(text, i, length - 1))
        return 0;
    return length;
}

char32_t Utf8CodePointAt(std::string_view text, std::size_t i, std::size_t length) {
    static constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t cp = static_cast<unsigned char>(text[i]) & kLeadBits[length];
    for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (text[i + k] & 0x3F);
    return cp;
}

std::size_t Utf8IncompleteTail(std::string_view text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const std::size_t i = text.size() - back;
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80 && byte <= 0xBF)
            continue;  // a continuation byte: the lead is further back
        return lengthFromLead(byte) > back && followersFit(text, i, back - 1) ? back : 0;
    }
    return 0;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        // Whole files pass through here (cfg.ini): skip ASCII eight bytes at a time.
        std::uint64_t word;
        if (i + sizeof word <= bytes.size()) {
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += sizeof word;
                continue;
            }
        }
        const std::size_t length = Utf8SequenceAt(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

namespace {

// The UTF-16 units of the character at utf8[i] and its length in bytes; a byte of no character
// is one unit, the U+FFFD it becomes.
std::pair<std::size_t, std::size_t> utf16UnitsAt(std::string_view utf8, std::size_t i) {
    const std::size_t length = Utf8SequenceAt(utf8, i);
    return {length == 4 ? 2 : 1, length == 0 ? 1 : length};
}

}  // namespace

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto [need, length] = utf16UnitsAt(utf8, i);
        units += need;
        i += length;
    }
    return units;
}

std::string_view TruncateUtf16Units(std::string_view utf8, std::size_t maxUnits) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto [need, length] = utf16UnitsAt(utf8, i);
        if (units + need > maxUnits)
            return utf8.substr(0, i);
        units += need;
        i += length;
    }
    return utf8;
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (unsigned char c : latin1) appendUtf8(out, c);
    return out;
}

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        std::size_t len = decodeUtf8(utf8, i, cp);
        if (len == 0) {
            cp = static_cast<unsigned char>(utf8[i]);  // not UTF-8: keep the byte as it is
            len = 1;
        }
        out += cp <= 0xFF ? static_cast<char>(cp) : '?';
        i += len;
    }
    return out;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    return utf16ToUtf8(bytes, false);
}
std::string Utf16BeToUtf8(std::string_view bytes) {
    return utf16ToUtf8(bytes, true);
}
std::string Utf8ToUtf16Le(std::string_view utf8) {
    return utf8ToUtf16(utf8, false);
}
std::string Utf8ToUtf16Be(std::string_view utf8) {
    return utf8ToUtf16(utf8, true);
}

std::string ErrnoText(int error) {
    return std::strerror(error);
}

}  // namespace marlix
