#pragma once
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/cli_interaction.h"
#include "command/command_host.h"
#include "command/command_runner.h"
#include "core/picture.h"
#include "core/picture_checks.h"

struct ImageLibrary;

// What the steps of one command line work on: the current picture and the
// surroundings. Steps run left to right on it. As the host of the command runner it
// has no view and no undo: the refresh ends a line of progress.
class CliContext : public CommandHost {
public:
    CliContext(CliInteraction& ui, std::ostream& err, std::string imageLibraryPath);

    PicturePtr picture;
    CliInteraction& ui;
    std::ostream& err;

    // A refusal: shows the message and returns false, which ends the run with exit 1.
    bool refuse(const std::string& message);
    // A picture file that could not be written: the export failure pair, then false.
    bool refuseExport(const std::string& path, const std::string& reason = {});
    // Runs a picture command through the standard flow; false when it was refused
    // (a check, its arguments or memory), true when it ran, interrupted or not.
    bool run(const PictureCommand& command);

    // CommandHost
    Picture* currentPicture() override { return picture.get(); }
    void replacePicture(PicturePtr p) override { picture = std::move(p); }
    void saveUndoSnapshot() override {}
    void refreshView() override { ui.finishProgress(); }
    void showEscapeInformation() override {}
    Interaction& interaction() override { return ui; }
    // Sharpen, render connectable and the seam report refuse without a picture.
    bool requireAnyPicture() override;
    // The image library, bound at first use (from --imagelib when given); null when
    // it cannot be loaded, after saying why.
    const ImageLibrary* imageLibrary();
    // A picture file read through the image library, or null after saying why.
    PicturePtr importPicture(const std::string& path);

private:
    std::string imageLibraryPath_;
    bool libraryTried_ = false;
    const ImageLibrary* library_ = nullptr;
};

// What the check of a step's arguments found: the first bad one (-1: none) and what
// to say after the usage error about it (empty: nothing more).
struct BadArgument {
    int index = -1;
    std::string note;
};

// One step of the command line: a word and a fixed number of arguments, made from
// its declaration (cli/declared_steps.h).
struct Step {
    using Checker = std::function<BadArgument(const std::vector<std::string>& args)>;
    using Runner = std::function<bool(CliContext& context, const std::vector<std::string>& args)>;

    std::string word;
    int arity = 0;
    std::string usage;  // e.g. "circles RAYMIN RAYMAX COUNT"
    std::string help;   // one line
    // Runs before any step; none for a step without arguments.
    Checker check;
    // Performs the step; false after a refusal was shown.
    Runner run;
};

class StepTable {
public:
    void add(Step step);
    const Step* find(const std::string& word) const;
    const std::vector<Step>& steps() const { return steps_; }

private:
    std::vector<Step> steps_;
};

// The table with every group registered (step_groups.cpp).
const StepTable& stepTable();

// Groups of steps; each adds its own to the table.
void registerSettingSteps(StepTable& table);
void registerPictureSteps(StepTable& table);
void registerShapeSteps(StepTable& table);
void registerFileSteps(StepTable& table);
void registerClipboardSteps(StepTable& table);    // part-export, part-import
void registerFilterSteps(StepTable& table);       // noise, sharpen, render-connectable, seam-report
void registerSeamlessSteps(StepTable& table);     // make-seamless
void registerConfigSteps(StepTable& table);       // config, save-config
void registerCompositingSteps(StepTable& table);  // anti-alias, tag-file, tags, mix-file, circle-mix
void registerPreviewSteps(StepTable& table);      // preview, insert-tag
void registerStepGroups(StepTable& table);
