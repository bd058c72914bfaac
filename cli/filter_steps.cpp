#include <iostream>
#include <string>

#include "cli/arguments.h"
#include "cli/step_table.h"
#include "core/paint_settings.h"
#include "filters/noise_filter.h"
#include "filters/render_connectable.h"
#include "filters/seam_measure.h"
#include "filters/sharpen_filter.h"
#include "params/parameter_blocks.h"

namespace {

bool isZeroOrOne(const std::string& word) { return word == "0" || word == "1"; }

std::string seamLine(const char* axis, const SeamAxis& a) { return "seam " + seamAxisText(axis, a, 4, 4); }

}  // namespace

void registerFilterSteps(StepTable& table) {
    table.add({"noise", 3, "noise PERCENT MONO SEED",
               "noise below PERCENT of 255 (low 8 bits); MONO 1: one offset for R, G, B; SEED 0: clock",
               [](const std::vector<std::string>& a) {
                   if (!parseInt32(a[0])) return 0;
                   if (!isZeroOrOne(a[1])) return 1;
                   return parseInt32(a[2]) ? -1 : 2;
               },
               [](CliContext& c, const std::vector<std::string>& a) {
                   PictureCommand command;
                   command.confirm = [&] {
                       NoiseParams& p = noiseParams();  // as the dialog's OK stores them
                       p.seed = *parseInt32(a[2]);
                       p.noisePercent = uint8_t(uint32_t(*parseInt32(a[0])) & 0xFFu);
                       p.monochrome = a[1] == "1" ? 1 : 0;
                       return true;
                   };
                   command.run = [](Picture& picture, Interaction& ui) {
                       const NoiseParams& p = noiseParams();
                       return noiseFilter(&picture, p.monochrome != 0, p.noisePercent, p.seed, ui);
                   };
                   return c.run(command);
               },
               "PERCENT and SEED are whole numbers, MONO is 0 or 1"});

    table.add({"sharpen", 1, "sharpen PERCENT",
               "3 x 3 sharpen, strength 0..100; in connectable mode across the edges too",
               [](const std::vector<std::string>& a) {
                   const auto p = parseInt32(a[0]);
                   return (p && *p >= 0 && *p <= 100) ? -1 : 0;
               },
               [](CliContext& c, const std::vector<std::string>& a) {
                   // Any size, as in the window; the dialog keeps the strength even when
                   // there is no picture to sharpen.
                   PictureCommand command;
                   command.needs = PictureCommand::Needs::AnyPicture;
                   command.confirm = [&] {
                       sharpenParams().sharpenPercent = *parseInt32(a[0]);
                       return true;
                   };
                   command.run = [](Picture& picture, Interaction&) {
                       sharpenFilter(&picture, sharpenParams().sharpenPercent, paintSettings().connectable != 0);
                       return true;
                   };
                   return c.run(command);
               },
               "the strength is a whole number from 0 to 100"});

    table.add({"render-connectable", 0, "render-connectable",
               "blend with the half-shifted copy so that the picture tiles without a seam", nullptr,
               [](CliContext& c, const std::vector<std::string>&) {
                   PictureCommand command;
                   command.needs = PictureCommand::Needs::AnyPicture;
                   command.run = [](Picture& picture, Interaction&) {
                       renderConnectable(&picture);
                       return true;
                   };
                   return c.run(command);
               }});

    table.add({"seam-report", 0, "seam-report",
               "print the seam measure of columns and rows (wrap / inside difference; ~1: no seam)", nullptr,
               [](CliContext& c, const std::vector<std::string>&) {
                   if (!c.requireAnyPicture()) return false;
                   const SeamMeasure m = seamMeasure(*c.picture);
                   std::cout << seamLine("columns", m.columns) << '\n' << seamLine("rows", m.rows) << std::endl;
                   return true;
               }});
}
