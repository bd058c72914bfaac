#include "cli/command_line.h"

#include <algorithm>
#include <ostream>
#include <sstream>

#include "cli/step_table.h"

namespace {

struct PlannedStep {
    const Step* step;
    std::vector<std::string> args;
};

// The name of argument i in a step's usage ("circles RAYMIN RAYMAX COUNT").
std::string argumentName(const Step& step, size_t i) {
    std::istringstream words(step.usage);
    std::string word;
    words >> word;  // the step's own word
    for (size_t k = 0; words >> word; ++k)
        if (k == i) return word;
    return "argument";
}

int usageError(std::ostream& err, const std::string& message) {
    err << "vospren-cli: " << message << "\nTry 'vospren-cli --help'.\n";
    return kExitUsage;
}

}  // namespace

const std::vector<CommandLineOption>& commandLineOptions() {
    static const std::vector<CommandLineOption> options = {
        {"--imagelib PATH", "bind the image library from PATH instead of searching for it"},
        {"--help", "list the steps and options, then exit"},
    };
    return options;
}

void printHelp(std::ostream& out) {
    out << "Usage: vospren-cli [--imagelib PATH] STEP [ARGS...] [STEP [ARGS...]]...\n"
           "Runs the steps left to right on one current picture. The whole line is checked\n"
           "before anything runs (exit 2 on a usage error); a refused operation shows its\n"
           "message and exits 1. Ctrl+C stops the step that is drawing; later steps still run.\n\n"
           "Steps:\n";
    size_t width = 0;
    for (const Step& s : stepTable().steps()) width = std::max(width, s.usage.size());
    for (const Step& s : stepTable().steps())
        out << "  " << s.usage << std::string(width + 2 - s.usage.size(), ' ') << s.help << '\n';
    out << "\nOptions:\n";
    size_t optionWidth = 0;
    for (const CommandLineOption& o : commandLineOptions()) optionWidth = std::max(optionWidth, o.usage.size());
    for (const CommandLineOption& o : commandLineOptions())
        out << "  " << o.usage << std::string(optionWidth + 2 - o.usage.size(), ' ') << o.help << '\n';
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool showProgress) {
    std::string imageLibraryPath;
    std::vector<PlannedStep> plan;

    for (size_t i = 0; i < args.size();) {
        const std::string& word = args[i];
        if (word == "--help" || word == "-h") {
            printHelp(out);
            return kExitOk;
        }
        if (word == "--imagelib") {
            if (i + 1 >= args.size()) return usageError(err, "'--imagelib' needs a PATH");
            imageLibraryPath = args[i + 1];
            i += 2;
            continue;
        }
        const Step* step = stepTable().find(word);
        if (!step) return usageError(err, "unknown step '" + word + "'");
        if (i + 1 + size_t(step->arity) > args.size())
            return usageError(err, "'" + word + "' needs " + std::to_string(step->arity) + " argument" +
                                       (step->arity == 1 ? "" : "s") + ": " + step->usage);
        PlannedStep planned{
            step, std::vector<std::string>(args.begin() + long(i) + 1, args.begin() + long(i) + 1 + step->arity)};
        const BadArgument bad = step->check ? step->check(planned.args) : BadArgument{};
        if (bad.index >= 0) {
            const size_t at = size_t(bad.index);
            return usageError(err, "bad " + argumentName(*step, at) + " '" + planned.args[at] + "' in '" + step->usage +
                                       "'" + (bad.note.empty() ? "" : ": " + bad.note));
        }
        plan.push_back(std::move(planned));
        i += 1 + size_t(step->arity);
    }
    if (plan.empty()) return usageError(err, "no steps given");

    CliInteraction ui(err, showProgress);
    CliContext context(ui, err, imageLibraryPath);
    for (const PlannedStep& p : plan)
        if (!p.step->run(context, p.args)) return kExitRefused;
    return kExitOk;
}
