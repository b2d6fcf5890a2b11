// Linux schedules a thread of the idle class only on a processor that nothing else wants.
#include <pthread.h>
#include <sched.h>

#include "gui/app/start_ahead.h"

namespace marlix {

namespace {

void SetPolicy(pthread_t thread, int policy) {
    const sched_param none{};
    pthread_setschedparam(thread, policy, &none);
}

}  // namespace

void StartAhead::RunOnlyWhenIdle() {
    SetPolicy(pthread_self(), SCHED_IDLE);
}

void StartAhead::RunNormally(std::thread& thread) {
    SetPolicy(thread.native_handle(), SCHED_OTHER);
}

}  // namespace marlix
