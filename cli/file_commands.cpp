// Commands on a camera.conf alone; they never open the profile file.
#include <filesystem>
#include <string>

#include "cli/commands.h"
#include "cli/json_output.h"
#include "core/export/camera_conf_reader.h"
#include "core/platform/escaped_text.h"
#include "core/platform/files/file_io.h"
#include "core/platform/text.h"

namespace marlix {

namespace {

// Every problem a file of a camera.conf's own length can have (each line wrong and every key
// missing) is printed; of a file far longer, whose problems would scroll for minutes, the first
// ones and their count.
constexpr std::size_t kProblemsPrinted = 100;

constexpr std::string_view kStandardInput = "-";

void reportProblems(const Invocation& in, const std::string& file,
                    const CameraConfReading& reading) {
    const std::string shown = EscapedText(FileDisplayName(file));
    for (const CameraConfProblem& p : reading.problems) {
        // The reader has already made the message's quoted texts safe to print.
        in.err << shown;
        if (p.line != 0)
            in.err << ":" << p.line;
        in.err << ": " << p.message << "\n";
    }
    if (const std::string more = reading.moreProblemsText(); !more.empty())
        in.err << shown << ": " << more << "\n";
}

std::string tooLargeMessage(const std::string& file) {
    const std::string shown = file == kStandardInput ? "standard input" : "\"" + file + "\"";
    return "Cannot read " + shown + ": it is larger than " + std::to_string(kCameraConfReadLimit) +
           " bytes, far more than a camera.conf holds";
}

// Standard input up to the bound of a file: a stream that goes on without end is refused once it
// passes it, rather than read into memory for good.
Result<std::string> readStandardInput(const Invocation& in, const std::string& file) {
    std::string bytes(kCameraConfReadLimit + 1, '\0');
    in.input.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.input.bad())
        return Status::failure("Cannot read standard input: a read error");
    bytes.resize(static_cast<std::size_t>(in.input.gcount()));
    if (bytes.size() > kCameraConfReadLimit)
        return Status::failure(tooLargeMessage(file), ErrorCode::TooLarge);
    return bytes;
}

// Anything far larger than a camera.conf, or anything that is not a regular file (a FIFO would
// block, a device would never end), is refused.
Result<std::string> readCameraConfBytes(const Invocation& in, const std::string& file) {
    if (file == kStandardInput)
        return readStandardInput(in, file);
    auto bytes = ReadWholeFile(PathFromUtf8(file), kCameraConfReadLimit);
    if (!bytes && bytes.code() == ErrorCode::TooLarge)
        return bytes.status().withMessage(tooLargeMessage(file));
    return bytes;
}

}  // namespace

std::string FileDisplayName(const std::string& file) {
    return file == kStandardInput ? "standard input" : file;
}

Result<CameraConfReading> ReadCameraConfFile(const Invocation& in, const std::string& file) {
    auto bytes = readCameraConfBytes(in, file);
    if (!bytes)
        return bytes.status();
    CameraConfReading reading = ReadCameraConf(*bytes, kProblemsPrinted);
    if (!reading.valid()) {
        reportProblems(in, file, reading);
        return Status::failure(FileDisplayName(file) + ": not a valid camera.conf (" +
                               std::to_string(reading.problemCount) + " problem" +
                               (reading.problemCount == 1 ? "" : "s") + ")");
    }
    return reading;
}

int RunCheck(Invocation& in) {
    const std::string& file = in.arguments[0];
    if (!in.has("--json")) {
        auto reading = ReadCameraConfFile(in, file);
        if (!reading)
            return in.fail(reading.status());
        in.out << EscapedText(file) << ": no problems\n";
        return kExitSuccess;
    }
    // The problems are the document; only a file that cannot be read at all fails without one.
    auto bytes = readCameraConfBytes(in, file);
    if (!bytes)
        return in.fail(bytes.status());
    const CameraConfReading reading = ReadCameraConf(*bytes, kProblemsPrinted);
    Json document = Json::object();
    PutText(document, "file", file);
    document["valid"] = reading.valid();
    document["problem_count"] = reading.problemCount;
    document["problems"] = Json::array();
    for (const CameraConfProblem& p : reading.problems) {
        Json problem = Json::object();
        problem["line"] = p.line == 0 ? Json(nullptr) : Json(p.line);
        PutText(problem, "message", p.message);
        document["problems"].push_back(std::move(problem));
    }
    PrintJson(in.out, document);
    return reading.valid() ? kExitSuccess : kExitFailure;
}

}  // namespace marlix
