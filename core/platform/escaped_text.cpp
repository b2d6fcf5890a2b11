#include "core/platform/escaped_text.h"

#include "core/platform/text.h"

namespace marlix {

void AppendHexEscape(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

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
            AppendHexEscape(out, byte);
            continue;
        }
        if (byte < 0x80) {
            out += text[i];
            continue;
        }
        const std::size_t length = Utf8SequenceAt(text, i);
        if (length == 0) {
            // A byte of no character. In 0x80 to 0x9F it is a C1 control to an 8-bit terminal
            // (0x9B starts an escape sequence); other stray bytes are shown as they are.
            if (byte <= 0x9F)
                AppendHexEscape(out, byte);
            else
                out += text[i];
            continue;
        }
        // U+0080 to U+009F, the same controls written as UTF-8.
        const bool c1 = byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        for (std::size_t k = 0; k < length; ++k) {
            if (c1)
                AppendHexEscape(out, static_cast<unsigned char>(text[i + k]));
            else
                out += text[i + k];
        }
        i += length - 1;
    }
    return out;
}

}  // namespace marlix
