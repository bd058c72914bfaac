#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/program_arguments.h"

namespace {
std::vector<std::string> argumentsOf(int argc, char** argv) { return {argv + 1, argv + argc}; }
}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt looks for a display.
    const ProgramArguments early = parseProgramArguments(argumentsOf(argc, argv));
    if (early.action == ProgramArguments::Action::Help) {
        std::fputs(programHelpText().c_str(), stdout);
        return 0;
    }
    if (early.action == ProgramArguments::Action::Version) {
        std::fputs(programVersionText().c_str(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("vospren");
    QApplication::setApplicationVersion(VOSPREN_VERSION);
    QGuiApplication::setDesktopFileName("vospren");

    // QApplication has taken its own options out of argv; the rest are ours, as bytes.
    const ProgramArguments args = parseProgramArguments(argumentsOf(argc, argv));
    if (args.action == ProgramArguments::Action::UsageError) {
        std::fprintf(stderr, "vospren: unknown option '%s'\nTry 'vospren --help'.\n", args.unknownOption.c_str());
        return 2;
    }
    return runVospren(args.files);
}
