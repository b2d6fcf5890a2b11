#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = marlix::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.fail() && status == 0 ? 1 : status;
}
