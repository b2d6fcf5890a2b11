// Qt Test on Windows sends its report to the debugger (OutputDebugString) when the process has no
// console window, which is the case under CTest's pipes and under Wine; Wine also keeps the
// host's QT_* variables from Windows programs, so the setting cannot come from outside. Asking
// for the standard streams before main runs keeps the report in the test log.
#include <cstdlib>

namespace {

[[maybe_unused]] const bool kReportOnStandardStreams = _putenv("QT_FORCE_STDERR_LOGGING=1") == 0;

}  // namespace
