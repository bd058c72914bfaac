#include "exchange/ui/file_commands.h"

#include "command/command_texts.h"
#include "exchange/file_name.h"
#include "exchange/image_library.h"
#include "exchange/picture_file.h"
#include "exchange/ui/dialog_filter.h"
#include "ui/picture_host.h"

namespace {
const char* filterFrom(ImageLibrary::ExtensionFn entry) {
    const char* text = entry ? entry() : nullptr;
    return text ? text : kDefaultPictureFilter;
}
}  // namespace

bool exportPictureFile(const std::string& path, const Picture& picture, const ImageLibrary& lib, Interaction& ui) {
    std::string reason;
    if (writePictureFile(lib, picture, path, &reason)) return true;
    reportExportFailure(ui, path, reason);
    return false;
}

bool importPictureFile(PictureHost& host, const ImageLibrary& lib, const std::string& path) {
    PicturePtr loaded = loadPictureFile(lib, path);
    if (!loaded) return false;
    host.saveUndoSnapshot();
    host.replacePicture(std::move(loaded));
    return true;
}

void runExportFileCommand(PictureHost& host, const ImageLibrary& lib, const FileNameChooser& chooser) {
    if (!host.requirePicture()) return;
    const QString filter = qtFileFilter(filterFrom(lib.supportedExtensionSave));
    Interaction& ui = host.interaction();
    while (const std::optional<std::string> name = chooser(host.dialogParent(), FileDialogKind::Save, filter)) {
        if (!hasFileExtension(*name)) {
            ui.showMessage("Please enter extension eg(.jpg)", kMainCaption, Interaction::Icon::Error);
            continue;
        }
        exportPictureFile(*name, *host.currentPicture(), lib, ui);
        return;
    }
}

ImportOutcome importAndShow(PictureHost& host, const ImageLibrary& lib, const std::string& path) {
    if (!importPictureFile(host, lib, path)) return {ImportOutcome::Result::Unreadable, path};
    host.refreshView();
    return {ImportOutcome::Result::Loaded, path};
}

ImportOutcome runImportFileCommand(PictureHost& host, const ImageLibrary& lib, const FileNameChooser& chooser) {
    const QString filter = qtFileFilter(filterFrom(lib.supportedExtensionOpen));
    const std::optional<std::string> name = chooser(host.dialogParent(), FileDialogKind::Open, filter);
    return name ? importAndShow(host, lib, *name) : ImportOutcome{};
}
