#include <optional>
#include <string>

#include "cli/step_table.h"
#include "command/command_runner.h"
#include "filters/make_seamless.h"

namespace {

std::optional<SeamlessMethod> methodNamed(const std::string& word) {
    if (word == "periodic") return SeamlessMethod::Periodic;
    if (word == "blend") return SeamlessMethod::Blend;
    return std::nullopt;
}

std::optional<SeamlessAxes> axesNamed(const std::string& word) {
    if (word == "both") return SeamlessAxes::Both;
    if (word == "x") return SeamlessAxes::Horizontal;
    if (word == "y") return SeamlessAxes::Vertical;
    return std::nullopt;
}

// The run's Interaction without its progress line, which counts shapes: Make Seamless
// reports color channels.
class WithoutProgress : public ForwardingInteraction {
public:
    using ForwardingInteraction::ForwardingInteraction;
    void progress(int64_t) override {}
};

}  // namespace

void registerSeamlessSteps(StepTable& table) {
    table.add({"make-seamless", 2, "make-seamless METHOD AXES",
               "make the picture tile: periodic keeps the detail, blend the contrast; along both axes, x or y",
               [](const std::vector<std::string>& a) {
                   if (!methodNamed(a[0])) return 0;
                   return axesNamed(a[1]) ? -1 : 1;
               },
               [](CliContext& c, const std::vector<std::string>& a) {
                   PictureCommand command;
                   const SeamlessOptions options{*methodNamed(a[0]), *axesNamed(a[1])};
                   command.run = [options](Picture& picture, Interaction& ui) {
                       WithoutProgress quiet(ui);
                       return makeSeamless(&picture, options, quiet) == SeamlessOutcome::Done;
                   };
                   return c.run(command);
               },
               "METHOD is periodic or blend, AXES is both, x or y"});
}
