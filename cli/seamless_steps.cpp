#include <string>
#include <vector>

#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "command/command_runner.h"
#include "filters/make_seamless.h"

namespace {

// The words of the methods and the axes, in the order of their values.
const std::vector<const char*> kMethodWords{"periodic", "blend"};
const std::vector<const char*> kAxesWords{"both", "x", "y"};

// The run's Interaction without its progress line, which counts shapes: Make Seamless
// reports color channels.
class WithoutProgress : public ForwardingInteraction {
public:
    using ForwardingInteraction::ForwardingInteraction;
    void progress(int64_t) override {}
};

}  // namespace

void registerSeamlessSteps(StepTable& table) {
    table.add(declaredStep(
        {"make-seamless",
         "make the picture tile: periodic keeps the detail, blend the contrast; along both axes, x or y",
         "METHOD is periodic or blend, AXES is both, x or y",
         {{"METHOD", 0, ArgumentForm::Choice, kMethodWords}, {"AXES", 1, ArgumentForm::Choice, kAxesWords}}},
        [](CliContext& c, const std::vector<std::string>& a) {
            PictureCommand command;
            const SeamlessOptions options{SeamlessMethod(choiceIndex(kMethodWords, a[0])),
                                          SeamlessAxes(choiceIndex(kAxesWords, a[1]))};
            command.run = [options](Picture& picture, Interaction& ui) {
                WithoutProgress quiet(ui);
                return makeSeamless(&picture, options, quiet) == SeamlessOutcome::Done;
            };
            return c.run(command);
        }));
}
