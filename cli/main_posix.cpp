#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = marlix::RunCli(args, std::cin, std::cout, std::cerr);
    // Output that never arrived (a full disk, a closed descriptor) is a failure like any other:
    // a script reading it must not take a cut-off list for the whole one.
    errno = 0;
    std::cout.flush();
    const bool flushFailed = std::fflush(stdout) != 0;
    const int reason = errno;
    if (!std::cout.fail() && !flushFailed && !std::ferror(stdout))
        return status;
    std::cerr << marlix::kProgramName << ": cannot write to standard output: "
              << (reason != 0 ? std::strerror(reason) : "write error") << "\n";
    return status == marlix::kExitSuccess ? marlix::kExitFailure : status;
}
