#include <string>

#include "cli/arguments.h"
#include "cli/step_table.h"
#include "compositing/circle_mix.h"
#include "compositing/file_list_rule.h"
#include "compositing/tag_stamping.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "params/parameter_blocks.h"

namespace {

int32_t arg(const std::vector<std::string>& a, size_t i) { return *parseInt32(a[i]); }
bool isFlag(const std::string& word) { return word == "0" || word == "1"; }

// The two checks of the circle-mix dialog's OK on the opaque percentages, with its
// messages; the index of the bad argument (OMIN 5, OMAX 6) or -1.
constexpr const char* kOpaqueRange = "Opaque radius percent should have value between 0..100";
constexpr const char* kOpaqueOrder = "Opaque radius percent minimum should be above value opaque radius maximum";

int opaqueProblem(const std::vector<std::string>& a, const char** message) {
    const int32_t lo = arg(a, 5), hi = arg(a, 6);
    if (lo < 0 || lo > 100 || hi < 0 || hi > 100) {
        *message = kOpaqueRange;
        return (lo < 0 || lo > 100) ? 5 : 6;
    }
    if (lo > hi) {
        *message = kOpaqueOrder;
        return 5;
    }
    return -1;
}

// The library the loads go through. Where it cannot be bound (said once) every file
// fails to load as in the window, and the run goes on.
const ImageLibrary& libraryFor(CliContext& c) {
    static const ImageLibrary unbound;
    const ImageLibrary* lib = c.imageLibrary();
    return lib ? *lib : unbound;
}

bool nonEmpty(CliContext& c, const std::vector<std::string>& list, const char* step, const char* fileStep) {
    if (!list.empty()) return true;
    return c.refuse(std::string("'") + step + "' has no file to work with: add files with '" + fileStep + " FILE'");
}

}  // namespace

void registerCompositingSteps(StepTable& table) {
    table.add({"anti-alias", 1, "anti-alias on|off", "turn stamps and discs with anti-aliasing (on) or fast (off)",
               [](const std::vector<std::string>& a) { return parseOnOff(a[0]) ? -1 : 0; },
               [](CliContext&, const std::vector<std::string>& a) {
                   paintSettings().rotationAntiAlias = *parseOnOff(a[0]) ? 1 : 0;
                   takePaintSettingsIntoConfigParams();  // as the Configuration dialog's OK
                   return true;
               }});

    table.add({"tag-file", 1, "tag-file FILE",
               "add a picture file to the tag list (kept sorted; a path that begins a listed one is left out)",
               [](const std::vector<std::string>& a) { return a[0].empty() ? 0 : -1; },
               [](CliContext&, const std::vector<std::string>& a) {
                   addToFileList(tagParams().tagFiles, a[0]);
                   return true;
               }});

    table.add({"tags", 2, "tags COUNT ROTATION",
               "stamp COUNT tags (<= 0: until Ctrl+C), ROTATION 1 turns each by a random angle; the blend colour is "
               "transparent",
               [](const std::vector<std::string>& a) {
                   if (!parseInt32(a[0])) return 0;
                   return isFlag(a[1]) ? -1 : 1;
               },
               [](CliContext& c, const std::vector<std::string>& a) {
                   PictureCommand command;
                   command.confirm = [&] {
                       TagParams& p = tagParams();
                       if (!nonEmpty(c, p.tagFiles, "tags", "tag-file")) return false;
                       p.tagCount = arg(a, 0);
                       p.tagRotation = a[1] == "1" ? 1 : 0;
                       return true;
                   };
                   command.escapeInformation = true;
                   command.run = [&](Picture& picture, Interaction& ui) {
                       const PaintSettings& s = paintSettings();
                       stampTags(&picture, tagParams(), s.blendColor, s.rotationAntiAlias != 0, libraryFor(c), ui);
                       return true;
                   };
                   return c.run(command);
               },
               "COUNT is a whole number, ROTATION is 0 or 1"});

    table.add({"mix-file", 1, "mix-file FILE",
               "add a picture file to the circle-mix list (kept sorted; a path that begins a listed one is left out)",
               [](const std::vector<std::string>& a) { return a[0].empty() ? 0 : -1; },
               [](CliContext&, const std::vector<std::string>& a) {
                   addToFileList(circleMixParams().mixFiles, a[0]);
                   return true;
               }});

    Step circleMix{
        "circle-mix",
        9,
        "circle-mix MIXMIN MIXMAX RMIN RMAX COUNT OMIN OMAX ROTATION PLUG",
        "discs cut from the circle-mix files: mix % and radius ranges, COUNT (<= 0: until Ctrl+C), opaque radius % "
        "range (0..100), ROTATION and PLUG 0 or 1",
        [](const std::vector<std::string>& a) {
            const int bad = firstBadInt32(a, 0, 7);
            if (bad >= 0) return bad;
            if (!isFlag(a[7])) return 7;
            if (!isFlag(a[8])) return 8;
            const char* message = nullptr;
            return opaqueProblem(a, &message);
        },
        [](CliContext& c, const std::vector<std::string>& a) {
            PictureCommand command;
            command.confirm = [&] {
                CircleMixParams& p = circleMixParams();
                if (!nonEmpty(c, p.mixFiles, "circle-mix", "mix-file")) return false;
                p.mixMinPercent = arg(a, 0);
                p.mixMaxPercent = arg(a, 1);
                p.radiusMin = arg(a, 2);
                p.radiusMax = arg(a, 3);
                p.discCount = arg(a, 4);
                p.opaqueMinPercent = arg(a, 5);
                p.opaqueMaxPercent = arg(a, 6);
                p.discRotation = a[7] == "1" ? 1 : 0;
                p.plug = a[8] == "1" ? 1 : 0;
                return true;
            };
            command.escapeInformation = true;
            command.run = [&](Picture& picture, Interaction& ui) {
                mixCircles(&picture, circleMixParams(), paintSettings().rotationAntiAlias != 0, libraryFor(c), ui);
                return true;
            };
            return c.run(command);
        }};
    circleMix.noteFor = [](const std::vector<std::string>& a) -> std::string {
        if (firstBadInt32(a, 0, 7) >= 0 || !isFlag(a[7]) || !isFlag(a[8]))
            return "the first seven are whole numbers, ROTATION and PLUG are 0 or 1";
        const char* message = nullptr;
        opaqueProblem(a, &message);
        return message ? message : "";
    };
    table.add(std::move(circleMix));
}
