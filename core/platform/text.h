// Text in the core is UTF-8 in std::string; paths are std::filesystem::path. These helpers cover
// the few places where UTF-16 code units or native paths matter.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace marlix {

// Path from UTF-8 text (wide on Windows, bytes elsewhere).
std::filesystem::path PathFromUtf8(std::string_view utf8);
// UTF-8 text of a path, for messages and for showing it.
std::string PathToUtf8(const std::filesystem::path& path);

// The one UTF-8 walker of the program. Well-formed means: no overlong forms, no surrogates,
// nothing above U+10FFFF.
//
// The length (1 to 4) of the well-formed UTF-8 character that starts at text[i], or 0 when none
// does (a stray byte, a malformed sequence, or one cut off by the end of the text).
std::size_t Utf8SequenceAt(std::string_view text, std::size_t i);
// The code point of the character at text[i] that Utf8SequenceAt measured as `length` bytes.
char32_t Utf8CodePointAt(std::string_view text, std::size_t i, std::size_t length);
// How many bytes at the end of the text (0 to 3) begin a well-formed character whose last bytes
// are missing: what a cut at a byte limit, or a write split in two, leaves.
std::size_t Utf8IncompleteTail(std::string_view text);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);
// Number of UTF-16 code units that the UTF-8 text takes; a byte of no character counts as the
// one U+FFFD it becomes.
std::size_t Utf16Length(std::string_view utf8);
// The longest prefix of the UTF-8 text that takes at most maxUnits UTF-16 code units. A character
// outside the basic plane that would straddle the limit is left out whole.
std::string_view TruncateUtf16Units(std::string_view utf8, std::size_t maxUnits);

std::string Latin1ToUtf8(std::string_view latin1);
// Characters above U+00FF cannot be represented and become '?'.
std::string Utf8ToLatin1(std::string_view utf8);
std::string Utf16LeToUtf8(std::string_view bytes);  // unpaired surrogates become U+FFFD
std::string Utf16BeToUtf8(std::string_view bytes);
std::string Utf8ToUtf16Le(std::string_view utf8);
std::string Utf8ToUtf16Be(std::string_view utf8);

// The operating system's text for an errno value.
std::string ErrnoText(int error);

// Bytes in the system's ANSI code page (what a card's version.txt holds) as UTF-8. Windows has an
// active code page for this; elsewhere there is none, so valid UTF-8 is taken as it stands and
// anything else byte for byte as Latin-1.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace marlix
