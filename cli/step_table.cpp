#include "cli/step_table.h"

#include "core/picture_checks.h"

#include <ostream>

#include "command/command_texts.h"
#include "exchange/image_library.h"
#include "exchange/picture_file.h"

CliContext::CliContext(CliInteraction& ui, std::ostream& err, std::string imageLibraryPath)
    : ui(ui), err(err), imageLibraryPath_(std::move(imageLibraryPath)) {}

bool CliContext::refuse(const std::string& message) {
    ui.showMessage(message, kMainCaption, Interaction::Icon::Error);
    return false;
}

bool CliContext::refuseExport(const std::string& path, const std::string& reason) {
    reportExportFailure(ui, path, reason);
    return false;
}

bool CliContext::requireAnyPicture() { return picture ? true : refuse(kNoPictureMessage); }

bool CliContext::run(const PictureCommand& command) {
    return runPictureCommand(*this, command) == CommandOutcome::Done;
}

PicturePtr CliContext::importPicture(const std::string& path) {
    const ImageLibrary* lib = imageLibrary();
    if (!lib) return nullptr;
    PicturePtr loaded = loadPictureFile(*lib, path);
    if (!loaded) refuse("Failure import image " + path);
    return loaded;
}

const ImageLibrary* CliContext::imageLibrary() {
    if (libraryTried_) return library_;
    libraryTried_ = true;
    std::string error;
    if (imageLibraryPath_.empty()) {
        if (loadImageLibrary(::imageLibrary(), &error)) library_ = &::imageLibrary();
    } else {
        static ImageLibrary fromPath;
        if (loadImageLibraryFrom(imageLibraryPath_, fromPath, &error)) library_ = &fromPath;
    }
    if (!library_) refuse("Failure loading library import/export picture: " + error);
    return library_;
}

void StepTable::add(Step step) { steps_.push_back(std::move(step)); }

const Step* StepTable::find(const std::string& word) const {
    for (const Step& s : steps_)
        if (s.word == word) return &s;
    return nullptr;
}

const StepTable& stepTable() {
    static const StepTable table = [] {
        StepTable t;
        registerStepGroups(t);
        return t;
    }();
    return table;
}
