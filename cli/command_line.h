// marlix-cli's argument handling: global options, the command, its arguments and options.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace marlix {

// Runs one command line (without the program name) and returns the exit status. `input` is what
// a FILE "-" reads.
int RunCli(std::span<const std::string> args, std::istream& input, std::ostream& out,
           std::ostream& err);

}  // namespace marlix
