#include "cli/escaped_text.h"

namespace marlix {

namespace {

void appendHex(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
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
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    appendHex(out, byte);
                } else if (byte == 0xC2 && i + 1 < text.size() &&
                           static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                           static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
                    // Some terminals act on C1 controls (U+009B starts an escape sequence).
                    appendHex(out, byte);
                    appendHex(out, static_cast<unsigned char>(text[++i]));
                } else {
                    out += text[i];
                }
        }
    }
    return out;
}

}  // namespace marlix
