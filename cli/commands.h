// marlix-cli's commands. Each one reports through its streams and returns the exit status.
#pragma once

#include <filesystem>
#include <istream>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/export/camera_conf_reader.h"
#include "core/platform/result.h"

namespace marlix {

enum ExitStatus : int {
    kExitSuccess = 0,
    kExitFailure = 1,
    kExitUsage = 2,
    kExitDiffers = 1,  // diff, as diff(1) and cmp(1): the two differ
    kExitTrouble = 2,  // diff: they could not be compared
};

inline constexpr std::string_view kProgramName = "marlix-cli";

struct Invocation {
    std::string command;
    std::filesystem::path configPath;
    std::vector<std::string> arguments;          // positional, in order
    std::map<std::string, std::string> options;  // "--name" to its value ("" for a flag)
    std::istream& input;                         // what a FILE "-" reads
    std::ostream& out;
    std::ostream& err;

    bool has(std::string_view option) const { return options.count(std::string(option)) != 0; }
    const std::string& option(std::string_view name) const { return options.at(std::string(name)); }

    // "marlix-cli: message" on stderr; returns kExitFailure.
    int fail(std::string_view message) const;
    int fail(const Status& status) const { return fail(status.message()); }
    // The message and a pointer to the command's help; returns kExitUsage.
    int usage(std::string_view message) const;
};

// Reads and checks a camera.conf ("-": standard input, with the same bound as a file); each
// problem goes to stderr with its line number (of a file with hundreds, the first ones and how
// many more).
Result<CameraConfReading> ReadCameraConfFile(const Invocation& in, const std::string& file);

// How messages name a FILE argument: "standard input" for "-", else the file as given.
std::string FileDisplayName(const std::string& file);

int RunProfiles(Invocation& in);
int RunShow(Invocation& in);
int RunNew(Invocation& in);
int RunDelete(Invocation& in);
int RunSet(Invocation& in);
int RunWrite(Invocation& in);
int RunDevices(Invocation& in);
int RunCheck(Invocation& in);
int RunImport(Invocation& in);
int RunDiff(Invocation& in);
int RunMount(Invocation& in);
int RunEject(Invocation& in);

}  // namespace marlix
