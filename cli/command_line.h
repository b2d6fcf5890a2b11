// marlix-cli's argument handling: global options, the command, its arguments and options.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace marlix {

// Runs one command line (without the program name) and returns the exit status.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace marlix
