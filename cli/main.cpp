#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "cli/console_output_win32.h"
#include "platform/text.h"

// The wide entry point receives the arguments as typed, whatever the ANSI code page can hold
// (profile names and paths outside it); the commands take them as UTF-8.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(marlix::WideToUtf8(argv[i]));
    marlix::ConsoleOutput out(STD_OUTPUT_HANDLE);
    marlix::ConsoleOutput err(STD_ERROR_HANDLE);
    err.stream().setf(std::ios::unitbuf);
    const int status = marlix::RunCli(args, out.stream(), err.stream());
    out.stream().flush();
    err.stream().flush();
    return out.stream().fail() && status == 0 ? 1 : status;
}
#else
int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = marlix::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.fail() && status == 0 ? 1 : status;
}
#endif
