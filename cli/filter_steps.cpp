#include <cstdio>
#include <iostream>
#include <new>
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

// Sharpen and render connectable work on a picture of any size, as in the window.
bool havePicture(CliContext& c) { return c.picture ? true : c.refuse(kNoPictureMessage); }

constexpr const char* kNoMemory = "Not enough memory to filter this picture";

std::string seamLine(const char* axis, const SeamAxis& a) {
    char line[128];
    std::snprintf(line, sizeof line, "seam %s %.4f (wrap %.4f, inside %.4f)", axis, a.ratio, a.wrap, a.inside);
    return line;
}

}  // namespace

void registerFilterSteps(StepTable& table) {
    table.add(declaredStep(noiseDeclaration(), 0, [](CliContext& c, const std::vector<std::string>& a) {
        if (!c.requirePicture()) return false;
        NoiseParams& p = noiseParams();  // as the dialog's OK stores them
        storeArguments(noiseDeclaration(), 0, a, &p);
        noiseFilter(c.picture.get(), p.monochrome != 0, p.noisePercent, p.seed, c.ui);
        return true;
    }));

    table.add(declaredStep(sharpenDeclaration(), 0, [](CliContext& c, const std::vector<std::string>& a) {
        // The dialog keeps the strength even when there is no picture to sharpen.
        SharpenParams& p = sharpenParams();
        storeArguments(sharpenDeclaration(), 0, a, &p);
        if (!havePicture(c)) return false;
        try {
            sharpenFilter(c.picture.get(), p.sharpenPercent, paintSettings().connectable != 0);
        } catch (const std::bad_alloc&) {
            return c.refuse(kNoMemory);
        }
        return true;
    }));

    table.add({"render-connectable", 0, "render-connectable",
               "blend with the half-shifted copy so that the picture tiles without a seam", nullptr,
               [](CliContext& c, const std::vector<std::string>&) {
                   if (!havePicture(c)) return false;
                   try {
                       renderConnectable(c.picture.get());
                   } catch (const std::bad_alloc&) {
                       return c.refuse(kNoMemory);
                   }
                   return true;
               }});

    table.add({"seam-report", 0, "seam-report",
               "print the seam measure of columns and rows (wrap / inside difference; ~1: no seam)", nullptr,
               [](CliContext& c, const std::vector<std::string>&) {
                   if (!havePicture(c)) return false;
                   const SeamMeasure m = seamMeasure(*c.picture);
                   std::cout << seamLine("columns", m.columns) << '\n' << seamLine("rows", m.rows) << std::endl;
                   return true;
               }});
}
