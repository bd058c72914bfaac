#include <new>
#include <optional>
#include <string>

#include "cli/step_table.h"
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

}  // namespace

void registerSeamlessSteps(StepTable& table) {
    table.add({"make-seamless", 2, "make-seamless METHOD AXES",
               "make the picture tile: periodic keeps the detail, blend the contrast; along both axes, x or y",
               [](const std::vector<std::string>& a) {
                   if (!methodNamed(a[0])) return 0;
                   return axesNamed(a[1]) ? -1 : 1;
               },
               [](CliContext& c, const std::vector<std::string>& a) {
                   if (!c.requirePicture()) return false;
                   try {
                       makeSeamless(c.picture.get(), {*methodNamed(a[0]), *axesNamed(a[1])}, c.ui);
                   } catch (const std::bad_alloc&) {
                       return c.refuse("Not enough memory to filter this picture");
                   }
                   return true;
               },
               "METHOD is periodic or blend, AXES is both, x or y"});
}
