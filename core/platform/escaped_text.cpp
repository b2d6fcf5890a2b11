#include "core/platform/escaped_text.h"

namespace marlix {

namespace {

void appendHex(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

// The length of the well-formed UTF-8 sequence at text[i] (2 to 4), or 0 when there is none.
std::size_t sequenceAt(std::string_view text, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = at(i);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
    const unsigned char second = at(i + 1);
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (at(i + k) < 0x80 || at(i + k) > 0xBF)
            return 0;
    }
    return length;
}

}  // namespace

std::string EscapedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        switch (byte) {
            case '\\':
                out += "\\\\";
                continue;
            case '\r':
                out += "\\r";
                continue;
            case '\n':
                out += "\\n";
                continue;
            case '\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        if (byte < 0x20 || byte == 0x7F) {
            appendHex(out, byte);
            continue;
        }
        if (byte < 0x80) {
            out += text[i];
            continue;
        }
        const std::size_t length = sequenceAt(text, i);
        if (length == 0) {
            // A byte of no character. In 0x80 to 0x9F it is a C1 control to an 8-bit terminal
            // (0x9B starts an escape sequence); other stray bytes are shown as they are.
            if (byte <= 0x9F)
                appendHex(out, byte);
            else
                out += text[i];
            continue;
        }
        // U+0080 to U+009F, the same controls written as UTF-8.
        const bool c1 = byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        for (std::size_t k = 0; k < length; ++k) {
            if (c1)
                appendHex(out, static_cast<unsigned char>(text[i + k]));
            else
                out += text[i + k];
        }
        i += length - 1;
    }
    return out;
}

}  // namespace marlix
