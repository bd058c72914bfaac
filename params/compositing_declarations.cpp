#include "compositing/circle_mix_params.h"
#include "compositing/file_list_rule.h"
#include "compositing/tag_insert_inputs.h"
#include "compositing/tag_insert_params.h"
#include "compositing/tag_params.h"
#include "params/declarations.h"

using K = FieldKind;
using I = ConfigurationItem;

const BlockDeclaration& tagDeclaration() {
    using B = TagParams;
    static const BlockDeclaration d{
        "tag",
        {
            {.name = "tagFiles",
             .kind = K::FileList,
             .access = fieldOf<B, &B::tagFiles>(),
             .controlName = "files",
             .tooltip = "Picture files stamped as tags, one chosen at random for each stamp (BMP, PNG, JPG)",
             .addToList = addToFileList,
             .listOrder = fileListOrder,
             .argument = {"FILE", 1, 0},
             .stored = {I::TagFiles, 0}},
            {.name = "tagCount",
             .kind = K::Number,
             .access = fieldOf<B, &B::tagCount>(),
             .controlId = 1001,
             .label = "Count : ",
             .tooltip = "Number of tags to stamp; 0 stamps until Escape",
             .argument = {"COUNT", 0, 0},
             .stored = {I::TagCount, 0}},
            {.name = "tagRotation",
             .kind = K::Flag,
             .access = fieldOf<B, &B::tagRotation>(),
             .controlId = 1002,
             .label = "Rotation",
             .tooltip = "Checked: each tag is turned by a random angle before it is stamped",
             .section = 1,
             .place = {.row = 0},
             .argument = {"ROTATION", 0, 1, ArgumentForm::ZeroOrOne},
             .stored = {I::Tag, 0}},
            {.name = "unused", .kind = K::Reserved, .access = fieldOf<B, &B::unused>(), .stored = {I::Tag, 1}},
        },
        {"", "Rotation", "Extended"},
        {{"tags",
          "stamp COUNT tags (<= 0: until Ctrl+C), ROTATION 1 turns each by a random angle; the blend colour is "
          "transparent",
          "COUNT is a whole number, ROTATION is 0 or 1"},
         {"tag-file", "add a picture file to the tag list (kept sorted; a path that begins a listed one is left out)"}},
    };
    return d;
}

namespace {

// The opaque percentages: each within 0..100, the minimum not above the maximum.
CheckResult checkOpaquePercentages(const void* block) {
    const auto& b = *static_cast<const CircleMixParams*>(block);
    const int32_t lo = b.opaqueMinPercent, hi = b.opaqueMaxPercent;
    const int loField = fieldIndex(circleMixDeclaration(), "opaqueMinPercent");
    if (lo < 0 || lo > 100) return {loField, kOpaqueRangeMessage};
    if (hi < 0 || hi > 100) return {fieldIndex(circleMixDeclaration(), "opaqueMaxPercent"), kOpaqueRangeMessage};
    if (lo > hi) return {loField, kOpaqueOrderMessage};
    return {};
}

}  // namespace

const BlockDeclaration& circleMixDeclaration() {
    using B = CircleMixParams;
    static const BlockDeclaration d{
        "circle mix",
        {
            {.name = "mixMinPercent",
             .kind = K::Number,
             .access = fieldOf<B, &B::mixMinPercent>(),
             .controlId = 1003,
             .label = "Min : ",
             .tooltip = "Smallest share of a disc mixed into the picture, in percent (0..100)",
             .section = 1,
             .argument = {"MIXMIN", 0, 0},
             .stored = {I::CircleMix, 0}},
            {.name = "mixMaxPercent",
             .kind = K::Number,
             .access = fieldOf<B, &B::mixMaxPercent>(),
             .controlId = 1004,
             .label = "Max  :",
             .tooltip = "Largest share of a disc mixed into the picture, in percent (0..100)",
             .section = 1,
             .argument = {"MIXMAX", 0, 1},
             .stored = {I::CircleMix, 1}},
            {.name = "radiusMin",
             .kind = K::Number,
             .access = fieldOf<B, &B::radiusMin>(),
             .controlId = 1005,
             .label = "Min : ",
             .tooltip = "Smallest radius of a disc, in pixels",
             .section = 2,
             .argument = {"RMIN", 0, 2},
             .stored = {I::CircleMix, 2}},
            {.name = "radiusMax",
             .kind = K::Number,
             .access = fieldOf<B, &B::radiusMax>(),
             .controlId = 1006,
             .label = "Max  :",
             .tooltip = "Radius that every disc stays below, in pixels (more than Min)",
             .section = 2,
             .argument = {"RMAX", 0, 3},
             .stored = {I::CircleMix, 3}},
            {.name = "discCount",
             .kind = K::Number,
             .access = fieldOf<B, &B::discCount>(),
             .controlId = 1007,
             .label = "Count : ",
             .tooltip = "Number of discs to mix in; 0 mixes until Escape",
             .argument = {"COUNT", 0, 4},
             .stored = {I::CircleMix, 4}},
            {.name = "discRotation",
             .kind = K::Flag,
             .access = fieldOf<B, &B::discRotation>(),
             .controlId = 1008,
             .label = "Rotation",
             .tooltip = "Checked: each disc is turned by a random angle",
             .section = 4,
             .argument = {"ROTATION", 0, 7, ArgumentForm::ZeroOrOne},
             .stored = {I::CircleMix, 7}},
            {.name = "plug",
             .kind = K::Flag,
             .access = fieldOf<B, &B::plug>(),
             .controlId = 1009,
             .label = "Plug",
             .tooltip = "Checked: after the random discs, more discs go where the picture is not yet well covered",
             .section = 4,
             .argument = {"PLUG", 0, 8, ArgumentForm::ZeroOrOne},
             .stored = {I::CircleMix, 8}},
            {.name = "mixFiles",
             .kind = K::FileList,
             .access = fieldOf<B, &B::mixFiles>(),
             .controlName = "files",
             .tooltip = "Picture files the discs are cut from, one chosen at random for each disc (BMP, PNG, JPG)",
             .addToList = addToFileList,
             .listOrder = fileListOrder,
             .argument = {"FILE", 1, 0},
             .stored = {I::CircleMixFiles, 0}},
            {.name = "opaqueMinPercent",
             .kind = K::Number,
             .access = fieldOf<B, &B::opaqueMinPercent>(),
             .controlId = 1010,
             .label = "Opaque Radius Percent Min (%):",
             .tooltip = "Smallest share of a disc's radius that is fully opaque before the fade to the rim, in "
                        "percent (0..100, not above the maximum)",
             .section = 3,
             .digitsOnly = false,
             .argument = {"OMIN", 0, 5},
             .stored = {I::CircleMix, 5}},
            {.name = "opaqueMaxPercent",
             .kind = K::Number,
             .access = fieldOf<B, &B::opaqueMaxPercent>(),
             .controlId = 1011,
             .label = "Opaque Radius Percent Max (%):",
             .tooltip = "Largest share of a disc's radius that is fully opaque before the fade to the rim, in "
                        "percent (0..100)",
             .section = 3,
             .digitsOnly = false,
             .argument = {"OMAX", 0, 6},
             .stored = {I::CircleMix, 6}},
            {.name = "unused", .kind = K::Reserved, .access = fieldOf<B, &B::unused>(), .stored = {I::CircleMix, 9}},
        },
        {"", "Mixe(%)", "Radius", "", ""},
        {{"circle-mix",
          "discs cut from the circle-mix files: mix % and radius ranges, COUNT (<= 0: until Ctrl+C), opaque radius "
          "% range (0..100), ROTATION and PLUG 0 or 1",
          "the first seven are whole numbers, ROTATION and PLUG are 0 or 1"},
         {"mix-file",
          "add a picture file to the circle-mix list (kept sorted; a path that begins a listed one is left out)"}},
        checkOpaquePercentages,
        newRecordOf<CircleMixParams>,
        [](void* block) {
            auto& b = *static_cast<CircleMixParams*>(block);
            b.opaqueMinPercent = b.opaqueMaxPercent = 0;
        },
    };
    return d;
}

const BlockDeclaration& tagInsertDeclaration() {
    using B = TagInsertParams;
    static const BlockDeclaration d{
        "tag insertion",
        {
            {.name = "insertHistory",
             .kind = K::InsertCombo,
             .access = fieldOf<B, &B::insertHistory>(),
             .controlName = "history",
             .label = "Nom du fichier image : ",
             .tooltip = "Picture files used before: choosing one loads it as the tag; \"Browse ...\" adds files",
             .place = {.row = 0, .column = 1, .labelColumn = 0},
             .entriesShown = insertComboEntries,
             .browseEntry = kInsertBrowseEntry,
             .stored = {I::InsertHistory, 0}},
            {.name = "insertFile",
             .kind = K::Text,
             .access = fieldOf<B, &B::insertFile>(),
             .controlName = "path",
             .label = "Nom du fichier image : ",
             .tooltip = "Picture file of the tag placed by hand (at most 259 bytes); \"Update ...\" loads it",
             .place = {.row = 1, .column = 1, .labelColumn = 0},
             .digitsOnly = false,
             .readChars = -1,
             .textOf = [](const void* b) { return insertFileOf(*static_cast<const B*>(b)); },
             .storeText = [](void* b, std::string_view text) { storeInsertFile(*static_cast<B*>(b), text); },
             .argument = {"FILE", 0, 0},
             .stored = {I::TagInsert, 0}},
            {.name = "insertAngle",
             .kind = K::Angle,
             .access = fieldOf<B, &B::insertAngle>(),
             .controlName = "rotation",
             .label = "Rotation in degree  (0 No Rotation): ",
             .tooltip = "Angle the tag is turned by, in whole degrees; 0 leaves it as it is; keypad - and + turn "
                        "it by 5",
             .place = {.row = 2, .column = 1, .labelColumn = 0},
             .readChars = int(kInsertAngleChars),
             .fromText = [](std::string_view text) { return int64_t(insertAngleFromText(text)); },
             .argument = {"ANGLE", 0, 3},
             .stored = {I::TagInsert, 1}},
            {.name = "insertAntiAlias",
             .kind = K::Flag,
             .access = fieldOf<B, &B::insertAntiAlias>(),
             .label = "Anti Alias",
             .tooltip = "Checked: the tag is turned with anti-aliasing; unchecked: fast",
             .place = {.row = 2, .column = 2},
             .argument = {"ANTIALIAS", 0, 4, ArgumentForm::ZeroOrOne},
             .stored = {I::TagInsert, 2}},
            {.name = "insertLevel",
             .kind = K::MixLevel,
             .access = fieldOf<B, &B::insertLevel>(),
             .controlName = "mix",
             .label = "Mix (%) (0-->100): ",
             .tooltip = "Share of the tag mixed into the picture, in percent (0..100); the wheel changes it by 10",
             .place = {.row = 3, .column = 1, .labelColumn = 0},
             .readChars = -1,
             .fromText = [](std::string_view text) { return int64_t(insertLevelFromMixText(text)); },
             .shownNumber = [](int64_t level) { return int64_t(mixPercentShown(uint8_t(level))); },
             .argument = {"MIX", 0, 5},
             .stored = {I::TagInsert, 3}},
        },
        {},
        {{"insert-tag",
          "stamp FILE once as a click in the preview at picture position X, Y would (ANGLE and MIX as typed in the "
          "insertion dialog, ANTIALIAS 0 or 1)",
          "X and Y are whole numbers, ANGLE and MIX whole numbers as typed, ANTIALIAS 0 or 1",
          {{"X", 1, ArgumentForm::Number}, {"Y", 2, ArgumentForm::Number}}}},
    };
    return d;
}
