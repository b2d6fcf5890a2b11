#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/console_output_win32.h"
#include "core/platform/text_win32.h"

// The wide entry point receives the arguments as typed, whatever the ANSI code page can hold
// (profile names and paths outside it); the commands take them as UTF-8.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(marlix::WideToUtf8(argv[i]));
    // A camera.conf read from standard input keeps its bytes: CR LF and a Ctrl-Z stay as they are.
    _setmode(_fileno(stdin), _O_BINARY);
    marlix::ConsoleOutput out(STD_OUTPUT_HANDLE);
    marlix::ConsoleOutput err(STD_ERROR_HANDLE);
    err.stream().setf(std::ios::unitbuf);
    const int status = marlix::RunCli(args, std::cin, out.stream(), err.stream());
    // Output that never arrived (a full disk, a closed pipe) is a failure like any other.
    out.stream().flush();
    if (!out.stream().fail())
        return status;
    err.stream() << marlix::kProgramName << ": cannot write to standard output: " << out.failure()
                 << "\n";
    return status == marlix::kExitSuccess ? marlix::kExitFailure : status;
}
