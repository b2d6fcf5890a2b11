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

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);
// Number of UTF-16 code units that the UTF-8 text takes. Expects valid UTF-8.
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

// Windows only (text_win32.cpp): its UTF-16 text, and its error texts.
std::wstring Utf8ToWide(std::string_view utf8);  // ill-formed sequences become U+FFFD
std::string WideToUtf8(std::wstring_view wide);  // unpaired surrogates become U+FFFD
// The system's text for a GetLastError() code, without the trailing full stop and line break.
std::string WindowsErrorText(unsigned long error);

}  // namespace marlix
