// Conversions and error texts that need the Windows API.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>

#include "core/platform/text_win32.h"

#include "core/platform/text.h"

namespace marlix {

namespace {

std::wstring toWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty())
        return {};
    // The conversion takes int lengths; text this core handles is far below that, but a longer
    // input is converted in pieces rather than cut short. A piece boundary inside a multi-byte
    // sequence would split it, so pieces end at a byte that starts a sequence.
    std::wstring out;
    while (!bytes.empty()) {
        std::size_t take = std::min<std::size_t>(bytes.size(), INT_MAX / 2);
        if (take < bytes.size() && codePage == CP_UTF8) {
            while (take > 0 && (static_cast<unsigned char>(bytes[take]) & 0xC0) == 0x80) --take;
        }
        const int in = static_cast<int>(take);
        const int n = ::MultiByteToWideChar(codePage, 0, bytes.data(), in, nullptr, 0);
        if (n > 0) {
            const std::size_t at = out.size();
            out.resize(at + static_cast<std::size_t>(n));
            ::MultiByteToWideChar(codePage, 0, bytes.data(), in, out.data() + at, n);
        }
        bytes.remove_prefix(take);
    }
    return out;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
    return toWide(CP_UTF8, utf8);
}

std::string WideToUtf8(std::wstring_view wide) {
    std::string out;
    while (!wide.empty()) {
        std::size_t take = std::min<std::size_t>(wide.size(), INT_MAX / 4);
        // Keep a surrogate pair together.
        if (take < wide.size() && wide[take - 1] >= 0xD800 && wide[take - 1] <= 0xDBFF)
            --take;
        const int in = static_cast<int>(take);
        const int n =
            ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), in, nullptr, 0, nullptr, nullptr);
        if (n > 0) {
            const std::size_t at = out.size();
            out.resize(at + static_cast<std::size_t>(n));
            ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), in, out.data() + at, n, nullptr,
                                  nullptr);
        }
        wide.remove_prefix(take);
    }
    return out;
}

// Windows names are UTF-16 and may hold unpaired surrogates, on which the standard library's own
// conversion throws; these conversions replace them instead.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(Utf8ToWide(utf8));
}

std::string PathToUtf8(const std::filesystem::path& path) {
    return WideToUtf8(path.native());
}

std::string AnsiToUtf8(std::string_view ansi) {
    return WideToUtf8(toWide(CP_ACP, ansi));
}

std::string WindowsErrorText(unsigned long error) {
    wchar_t* buffer = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text;
    if (n > 0 && buffer)
        text.assign(buffer, n);
    if (buffer)
        ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    if (!text.empty() && text.back() == L'.')
        text.pop_back();
    if (text.empty())
        return "error " + std::to_string(error);
    return WideToUtf8(text);
}

}  // namespace marlix
