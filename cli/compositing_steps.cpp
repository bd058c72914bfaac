#include <string>
#include <type_traits>

#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "compositing/circle_mix.h"
#include "compositing/tag_stamping.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"

namespace {

// The library the loads go through. Where it cannot be bound (said once) every file
// fails to load as in the window, and the run goes on.
const ImageLibrary& libraryFor(CliContext& c) {
    static const ImageLibrary unbound;
    const ImageLibrary* lib = c.imageLibrary();
    return lib ? *lib : unbound;
}

// The block's second step: a file added to its list under the list's rule.
Step fileStep(const BlockDeclaration& block, void* record) {
    return declaredStep(block, 1, [&block, record](CliContext&, const std::vector<std::string>& a) {
        storeArguments(block, 1, a, record);
        return true;
    });
}

// The block's first step, the window's standard flow: a file list that is not empty
// (its files added by the block's second step) and the arguments stored as the
// dialog's OK would, then the operation.
template <class Params>
Step stampingStep(const BlockDeclaration& block, Params& params, const std::vector<std::string>& files,
                  std::type_identity_t<void (*)(CliContext&, Picture&, const Params&, Interaction&)> operate) {
    return declaredStep(block, 0, [&block, &params, &files, operate](CliContext& c, const std::vector<std::string>& a) {
        const auto confirm = [&] {
            if (files.empty()) {
                return c.refuse(std::string("'") + block.steps[0].word +
                                "' has no file to work with: add files with '" + block.steps[1].word + " FILE'");
            }
            storeArguments(block, 0, a, &params);
            return true;
        };
        return c.run(
            drawingCommand(confirm, [&](Picture& picture, Interaction& ui) { operate(c, picture, params, ui); }));
    });
}

}  // namespace

void registerCompositingSteps(StepTable& table) {
    table.add(declaredStep(paintSettingsDeclaration(), 3, [](CliContext&, const std::vector<std::string>& a) {
        storeArguments(paintSettingsDeclaration(), 3, a, &paintSettings());
        takePaintSettingsIntoConfigParams();  // as the Configuration dialog's OK
        return true;
    }));

    table.add(fileStep(tagDeclaration(), &tagParams()));
    table.add(stampingStep(tagDeclaration(), tagParams(), tagParams().tagFiles,
                           [](CliContext& c, Picture& picture, const TagParams& p, Interaction& ui) {
                               const PaintSettings& s = paintSettings();
                               stampTags(&picture, p, s.blendColor, s.rotationAntiAlias != 0, libraryFor(c), ui);
                           }));

    table.add(fileStep(circleMixDeclaration(), &circleMixParams()));
    table.add(stampingStep(circleMixDeclaration(), circleMixParams(), circleMixParams().mixFiles,
                           [](CliContext& c, Picture& picture, const CircleMixParams& p, Interaction& ui) {
                               mixCircles(&picture, p, paintSettings().rotationAntiAlias != 0, libraryFor(c), ui);
                           }));
}
