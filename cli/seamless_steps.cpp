#include <string>

#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "command/command_runner.h"
#include "filters/make_seamless.h"
#include "params/declarations.h"

namespace {

// The run's Interaction without its progress line, which counts shapes: Make Seamless
// reports color channels.
class WithoutProgress : public ForwardingInteraction {
public:
    using ForwardingInteraction::ForwardingInteraction;
    void progress(int64_t) override {}
};

}  // namespace

void registerSeamlessSteps(StepTable& table) {
    table.add(declaredStep(seamlessDeclaration(), 0, [](CliContext& c, const std::vector<std::string>& a) {
        SeamlessOptions options;
        storeArguments(seamlessDeclaration(), 0, a, &options);
        PictureCommand command;
        command.run = [options](Picture& picture, Interaction& ui) {
            WithoutProgress quiet(ui);
            return makeSeamless(&picture, options, quiet) == SeamlessOutcome::Done;
        };
        return c.run(command);
    }));
}
