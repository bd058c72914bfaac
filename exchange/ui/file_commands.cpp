#include "exchange/ui/file_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include "command/command_texts.h"
#include "exchange/image_library.h"
#include "exchange/picture_file.h"
#include "exchange/ui/file_dialogs.h"
#include "exchange/ui/qt_file_filter.h"
#include "storage/file_name.h"
#include "ui/file_chooser.h"
#include "ui/picture_host.h"
#include "ui/wait_cursor.h"

namespace {
const char* filterFrom(ImageLibrary::ExtensionFn entry) {
    const char* text = entry ? entry() : nullptr;
    return text ? text : kDefaultPictureFilter;
}

constexpr const char* kAllFiles = "All files (*)";
}  // namespace

QString pictureSaveFilter(const ImageLibrary& lib) { return qtFileFilter(filterFrom(lib.supportedExtensionSave)); }

QString pictureOpenFilter(const ImageLibrary& lib) { return qtFileFilter(filterFrom(lib.supportedExtensionOpen)); }

QString pngFirst(const QString& filter) {
    const QStringList entries = filter.split(";;", Qt::SkipEmptyParts);
    QStringList png, others;
    for (const QString& e : entries) (e.contains("*.png", Qt::CaseInsensitive) ? png : others).push_back(e);
    if (png.isEmpty()) return filter;
    QStringList all = png + others;
    if (!all.contains(kAllFiles)) all.push_back(kAllFiles);
    return all.join(";;");
}

QString filterExtension(const QString& entry) {
    static const QRegularExpression pattern(R"(\*\.([A-Za-z0-9]+))");
    const QRegularExpressionMatch m = pattern.match(entry);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

bool writePictureFileWaiting(const ImageLibrary& lib, const Picture& picture, const std::string& path,
                             std::string* reason) {
    const WaitCursor waiting;
    return writePictureFile(lib, picture, path, reason);
}

bool exportPictureFile(const std::string& path, const Picture& picture, const ImageLibrary& lib, PictureHost& host) {
    std::string reason;
    if (writePictureFileWaiting(lib, picture, path, &reason)) return true;
    // The Export messages stay as they were; the system's reason goes to the status bar.
    reportExportFailure(host.interaction(), path);
    host.showStatus(cannotSaveMessage(path, reason));
    return false;
}
bool importPictureFile(PictureHost& host, const ImageLibrary& lib, const std::string& path, bool* flattened) {
    PicturePtr loaded;
    {
        const WaitCursor waiting;
        loaded = loadPictureFile(lib, path, flattened);
    }
    if (!loaded) return false;
    host.saveUndoSnapshot();
    host.replacePicture(std::move(loaded));
    return true;
}

std::optional<std::string> runExportFileCommand(PictureHost& host, const ImageLibrary& lib) {
    if (!host.requirePicture()) return std::nullopt;
    const FileRequest request{FileDialogKind::Save, pictureSaveFilter(lib), runWindowFileDialog};
    Interaction& ui = host.interaction();
    while (const std::optional<std::string> name = chooseFile(host.dialogParent(), request)) {
        if (!hasFileExtension(*name)) {
            ui.showMessage(kNoExtensionMessage, kMainCaption, Interaction::Icon::Error);
            continue;
        }
        if (!exportPictureFile(*name, *host.currentPicture(), lib, host)) return std::nullopt;
        return name;
    }
    return std::nullopt;
}

ImportOutcome importAndShow(PictureHost& host, const ImageLibrary& lib, const std::string& path) {
    bool flattened = false;
    if (!importPictureFile(host, lib, path, &flattened)) return {ImportOutcome::Result::Unreadable, path};
    host.refreshView();
    return {ImportOutcome::Result::Loaded, path, flattened};
}

ImportOutcome runImportFileCommand(PictureHost& host, const ImageLibrary& lib) {
    const std::optional<std::string> name =
        chooseFile(host.dialogParent(), {FileDialogKind::Open, pictureOpenFilter(lib), runWindowFileDialog});
    return name ? importAndShow(host, lib, *name) : ImportOutcome{};
}

QStringList runSaveAsDialog(QWidget* parent, const FileRequest& request) {
    static QString lastFolder;
    QFileDialog dialog(parent, QString(), lastFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.filter.split(";;"));
    // The chosen filter supplies the extension of a name typed without one.
    const auto follow = [&dialog](const QString& entry) { dialog.setDefaultSuffix(filterExtension(entry)); };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    follow(dialog.selectedNameFilter());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString name = dialog.selectedFiles().front();
    lastFolder = QFileInfo(name).absolutePath();
    return {name};
}
