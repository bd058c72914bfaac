#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_interaction.h"
#include "cli/command_line.h"

int main(int argc, char** argv) {
    installInterruptHandler();
    std::vector<std::string> args(argv + 1, argv + argc);
    return runCommandLine(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
