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

// The block's first step: the window's checks, a file list that is not empty, the
// arguments stored as the dialog's OK would, then the operation.
template <class Params>
Step stampingStep(const BlockDeclaration& block, Params& params, const std::vector<std::string>& files,
                  std::type_identity_t<void (*)(CliContext&, const Params&)> operate) {
    return declaredStep(block, 0, [&block, &params, &files, operate](CliContext& c, const std::vector<std::string>& a) {
        if (!c.requirePicture()) return false;
        if (files.empty()) {
            return c.refuse(std::string("'") + block.steps[0].word + "' has no file to work with: add files with '" +
                            block.steps[1].word + " FILE'");
        }
        storeArguments(block, 0, a, &params);
        operate(c, params);
        c.ui.finishProgress();
        return true;
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
    table.add(stampingStep(tagDeclaration(), tagParams(), tagParams().tagFiles, [](CliContext& c, const TagParams& p) {
        const PaintSettings& s = paintSettings();
        stampTags(c.picture.get(), p, s.blendColor, s.rotationAntiAlias != 0, libraryFor(c), c.ui);
    }));

    table.add(fileStep(circleMixDeclaration(), &circleMixParams()));
    table.add(stampingStep(circleMixDeclaration(), circleMixParams(), circleMixParams().mixFiles,
                           [](CliContext& c, const CircleMixParams& p) {
                               mixCircles(c.picture.get(), p, paintSettings().rotationAntiAlias != 0, libraryFor(c),
                                          c.ui);
                           }));
}
