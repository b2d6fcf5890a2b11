// Commands on a camera.conf alone; they never open the profile file.
#include <string>

#include "cli/commands.h"
#include "export/camera_conf_reader.h"
#include "platform/files/file_io.h"
#include "platform/text.h"

namespace marlix {

namespace {

void reportProblems(const Invocation& in, const std::string& file,
                    const CameraConfReading& reading) {
    for (const CameraConfProblem& p : reading.problems) {
        in.err << file;
        if (p.line != 0)
            in.err << ":" << p.line;
        in.err << ": " << p.message << "\n";
    }
}

}  // namespace

Result<CameraConfReading> ReadCameraConfFile(const Invocation& in, const std::string& file) {
    auto bytes = ReadWholeFile(PathFromUtf8(file));
    if (!bytes)
        return bytes.status();
    CameraConfReading reading = ReadCameraConf(*bytes);
    if (!reading.valid()) {
        reportProblems(in, file, reading);
        return Status::failure(file + ": not a valid camera.conf (" +
                               std::to_string(reading.problems.size()) + " problem" +
                               (reading.problems.size() == 1 ? "" : "s") + ")");
    }
    return reading;
}

int RunCheck(Invocation& in) {
    auto reading = ReadCameraConfFile(in, in.arguments[0]);
    if (!reading)
        return in.fail(reading.status());
    in.out << in.arguments[0] << ": no problems\n";
    return kExitSuccess;
}

}  // namespace marlix
