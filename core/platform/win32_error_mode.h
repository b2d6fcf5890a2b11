// Windows shows a modal "There is no disk in the drive" box when a program touches an empty card
// reader slot, unless the thread asks for such errors to be returned instead. The guard asks for
// that for as long as it lives and then restores what was set before.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace marlix {

class QuietCriticalErrors {
public:
    QuietCriticalErrors() {
        m_restore = ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &m_old);
    }
    ~QuietCriticalErrors() {
        if (m_restore)
            ::SetThreadErrorMode(m_old, nullptr);
    }
    QuietCriticalErrors(const QuietCriticalErrors&) = delete;
    QuietCriticalErrors& operator=(const QuietCriticalErrors&) = delete;

private:
    DWORD m_old = 0;
    BOOL m_restore = FALSE;
};

}  // namespace marlix
