#include <iostream>
#include <string>

#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "core/paint_settings.h"
#include "filters/noise_filter.h"
#include "filters/render_connectable.h"
#include "filters/seam_measure.h"
#include "filters/sharpen_filter.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"

namespace {

std::string seamLine(const char* axis, const SeamAxis& a) { return "seam " + seamAxisText(axis, a, 4, 4); }

}  // namespace

void registerFilterSteps(StepTable& table) {
    table.add(declaredStep(noiseDeclaration(), 0, [](CliContext& c, const std::vector<std::string>& a) {
        PictureCommand command;
        command.confirm = [&] {
            storeArguments(noiseDeclaration(), 0, a, &noiseParams());  // as the dialog's OK stores them
            return true;
        };
        command.run = [](Picture& picture, Interaction& ui) {
            const NoiseParams& p = noiseParams();
            return noiseFilter(&picture, p.monochrome != 0, p.noisePercent, p.seed, ui);
        };
        return c.run(command);
    }));

    table.add(declaredStep(sharpenDeclaration(), 0, [](CliContext& c, const std::vector<std::string>& a) {
        // Any size, as in the window; the dialog keeps the strength even when
        // there is no picture to sharpen.
        PictureCommand command;
        command.needs = PictureCommand::Needs::AnyPicture;
        command.confirm = [&] {
            storeArguments(sharpenDeclaration(), 0, a, &sharpenParams());
            return true;
        };
        command.run = [](Picture& picture, Interaction&) {
            sharpenFilter(&picture, sharpenParams().sharpenPercent, paintSettings().connectable != 0);
            return true;
        };
        return c.run(command);
    }));

    table.add(declaredStep(
        {"render-connectable", "blend with the half-shifted copy so that the picture tiles without a seam"},
        [](CliContext& c, const std::vector<std::string>&) {
            PictureCommand command;
            command.needs = PictureCommand::Needs::AnyPicture;
            command.run = [](Picture& picture, Interaction&) {
                renderConnectable(&picture);
                return true;
            };
            return c.run(command);
        }));

    table.add(declaredStep(
        {"seam-report", "print the seam measure of columns and rows (wrap / inside difference; ~1: no seam)"},
        [](CliContext& c, const std::vector<std::string>&) {
            if (!c.requireAnyPicture()) return false;
            const SeamMeasure m = seamMeasure(*c.picture);
            std::cout << seamLine("columns", m.columns) << '\n' << seamLine("rows", m.rows) << std::endl;
            return true;
        }));
}
