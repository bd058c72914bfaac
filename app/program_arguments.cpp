#include "app/program_arguments.h"

ProgramArguments parseProgramArguments(const std::vector<std::string>& args) {
    ProgramArguments parsed;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            // Help and version win over anything else on the line.
            parsed.action = ProgramArguments::Action::Help;
            return parsed;
        } else if (arg == "--version") {
            parsed.action = ProgramArguments::Action::Version;
            return parsed;
        } else if (parsed.unknownOption.empty()) {
            parsed.unknownOption = arg;
        }
    }
    if (!parsed.unknownOption.empty()) parsed.action = ProgramArguments::Action::UsageError;
    return parsed;
}

std::string programHelpText() {
    return "Usage: vospren [FILE]...\n"
           "Makes connectable pictures: pictures whose opposite edges join without a seam.\n"
           "Opens FILE (PNG, JPEG or BMP) once started, as File, Import, File ... would;\n"
           "of several files the first is opened, as when files are dropped on the window.\n"
           "\n"
           "Options:\n"
           "  -h, --help     print this text and exit\n"
           "  --version      print the version and exit\n"
           "The standard options of the Qt toolkit (for example -platform) are accepted too.\n"
           "For batch work without a window: vospren-cli --help\n";
}

std::string programVersionText() { return std::string("vospren ") + VOSPREN_VERSION + "\n"; }
