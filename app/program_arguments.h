#pragma once
#include <string>
#include <vector>

// What the command line asks of vospren: run (opening the first file named, as a
// drop would), or print help or the version and exit. Qt's own options are taken
// out by QApplication before the files are read; --help and --version are looked
// for before that, so that they work without a display.
struct ProgramArguments {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    std::vector<std::string> files;
    std::string unknownOption;  // with UsageError
};

// `args` excludes the program name. "--" ends the options; "-" alone is a file name.
ProgramArguments parseProgramArguments(const std::vector<std::string>& args);

std::string programHelpText();
std::string programVersionText();
