// How marlix-cli, and marlix on its stderr, show text that came from a card, the profile file,
// the environment or the command line: one line, no control character reaching the terminal, and
// a backslash doubled so that an escape cannot be mistaken for the same characters typed into a
// label or a name.
#pragma once

#include <string>
#include <string_view>

namespace marlix {

// "\" as "\\"; CR, LF and tab as "\r", "\n", "\t"; every other control character, C0, DEL or C1
// (U+0080 to U+009F, in UTF-8), as "\xNN" per byte, and so is a byte 0x80 to 0x9F that belongs to
// no UTF-8 character (an 8-bit terminal takes it for a C1 control). Everything else stands as it
// is.
std::string EscapedText(std::string_view text);

// Appends the byte as "\xNN" (lower-case hex), the one way every escape of a byte is written.
void AppendHexEscape(std::string& out, unsigned char byte);

}  // namespace marlix
