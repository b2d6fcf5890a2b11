// Other systems have no such idle class: the thread runs as any other.
#include "gui/app/start_ahead.h"

namespace marlix {

void StartAhead::RunOnlyWhenIdle() {}

void StartAhead::RunNormally(std::thread&) {}

}  // namespace marlix
