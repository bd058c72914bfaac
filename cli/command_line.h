#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// Exit codes of vospren-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;  // an operation refused, with its message
inline constexpr int kExitUsage = 2;    // the command line itself is wrong; nothing ran

// Checks the whole list of steps, then runs them left to right on one current
// picture. `args` excludes the program name. Progress goes to `err` when asked.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool showProgress);

// An option besides the steps, as --help and the manual page list it.
struct CommandLineOption {
    std::string usage;  // e.g. "--imagelib PATH"
    std::string help;
};
const std::vector<CommandLineOption>& commandLineOptions();

// The --help text: every step with its arguments, then the options.
void printHelp(std::ostream& out);
