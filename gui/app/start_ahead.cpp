#include "gui/app/start_ahead.h"

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

#include "gui/dialog/dialog_font.h"
#include "gui/resources/resources.h"

namespace marlix {

namespace {

#ifdef __linux__
void SetPolicy(pthread_t thread, int policy) {
    const sched_param none{};
    pthread_setschedparam(thread, policy, &none);
}
#endif

}  // namespace

StartAhead::StartAhead() {
    m_thread = std::thread([] {
#ifdef __linux__
        // Only on a processor that Qt's start and the display server leave idle: competing with
        // them, this made their start slower by about as much as it saved. Finish raises it
        // again should the program have to wait for it.
        SetPolicy(pthread_self(), SCHED_IDLE);
#endif
        ReadFontConfiguration();
    });
}

void StartAhead::Wait() {
    if (m_thread.joinable()) {
#ifdef __linux__
        // On a busy machine an idle thread may not run at all.
        SetPolicy(m_thread.native_handle(), SCHED_OTHER);
#endif
        m_thread.join();
    }
}

void StartAhead::Finish(qreal devicePixelRatio) {
    // Not on the thread: Qt's image reader finds its plugins through the application object,
    // which is being made meanwhile.
    BitmapResource(kIdbBanner, devicePixelRatio);
    Wait();
}

}  // namespace marlix
