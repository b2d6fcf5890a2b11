#include "cli/console_output_win32.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>

#include "core/platform/text.h"
#include "core/platform/text_win32.h"

namespace marlix {

ConsoleOutputBuffer::ConsoleOutputBuffer(unsigned long standardHandle)
    : m_handle(::GetStdHandle(standardHandle)) {
    DWORD mode = 0;
    m_console = m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE &&
                ::GetConsoleMode(m_handle, &mode) != 0;
}

ConsoleOutputBuffer::~ConsoleOutputBuffer() {
    flushPending(true);
}

ConsoleOutputBuffer::int_type ConsoleOutputBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return sync() == 0 ? 0 : c;
    m_pending.push_back(traits_type::to_char_type(c));
    if (c == '\n' && !flushPending(false))
        return traits_type::eof();
    return c;
}

std::streamsize ConsoleOutputBuffer::xsputn(const char* s, std::streamsize n) {
    m_pending.append(s, static_cast<std::size_t>(n));
    if (m_pending.size() >= 4096 && !flushPending(false))
        return 0;
    return n;
}

int ConsoleOutputBuffer::sync() {
    return flushPending(false) ? 0 : -1;
}

bool ConsoleOutputBuffer::flushPending(bool final) {
    if (m_handle == nullptr || m_handle == INVALID_HANDLE_VALUE) {
        m_pending.clear();
        m_failure = WindowsErrorText(ERROR_INVALID_HANDLE);
        return false;
    }
    // A character split between two writes waits for its last bytes, to be shown whole.
    const std::size_t keep = final ? 0 : (m_console ? Utf8IncompleteTail(m_pending) : 0);
    const std::string_view ready(m_pending.data(), m_pending.size() - keep);
    bool ok = true;
    if (m_console) {
        const std::wstring wide = Utf8ToWide(ready);
        for (std::size_t done = 0; ok && done < wide.size();) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
            ok = ::WriteConsoleW(m_handle, wide.data() + done, chunk, &written, nullptr) != 0 &&
                 written > 0;
            done += written;
        }
    } else {
        for (std::size_t done = 0; ok && done < ready.size();) {
            DWORD written = 0;
            const DWORD chunk =
                static_cast<DWORD>(std::min<std::size_t>(ready.size() - done, 1u << 20));
            ok = ::WriteFile(m_handle, ready.data() + done, chunk, &written, nullptr) != 0 &&
                 written > 0;
            done += written;
        }
    }
    if (!ok)
        m_failure = WindowsErrorText(::GetLastError());
    m_pending.erase(0, ready.size());
    return ok;
}

}  // namespace marlix
