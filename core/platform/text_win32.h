// Windows only (text_win32.cpp): its UTF-16 text, and its error texts.
#pragma once

#include <string>
#include <string_view>

namespace marlix {

std::wstring Utf8ToWide(std::string_view utf8);  // ill-formed sequences become U+FFFD
std::string WideToUtf8(std::wstring_view wide);  // unpaired surrogates become U+FFFD
// The system's text for a GetLastError() code, without the trailing full stop and line break.
std::string WindowsErrorText(unsigned long error);

}  // namespace marlix
