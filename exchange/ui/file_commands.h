#pragma once
#include <QString>

#include <optional>
#include <string>

#include "ui/file_chooser.h"

class Interaction;
class PictureHost;
struct ImageLibrary;
struct Picture;

// "File", "Export", "File ...": asks for a name (again while it has no extension),
// writes the picture through the library, reports a failure (the messages, and the
// system's reason in the status bar). Returns the file written.
std::optional<std::string> runExportFileCommand(PictureHost& host, const ImageLibrary& lib);

// What an import came to, so that the window can say why nothing changed.
struct ImportOutcome {
    enum class Result { NothingChosen, Loaded, Unreadable };
    Result result = Result::NothingChosen;
    std::string path;        // the file tried
    bool flattened = false;  // the file's transparent parts were laid flat
};

// "File", "Import", "File ...": asks for a file and makes it the current picture.
ImportOutcome runImportFileCommand(PictureHost& host, const ImageLibrary& lib);

// Imports `path` and refreshes the view when it loaded.
ImportOutcome importAndShow(PictureHost& host, const ImageLibrary& lib, const std::string& path);

// Saves as writePictureFile does; on failure shows "Failure export image <path>",
// then "Erreur exportation", and puts the system's reason in the status bar.
bool exportPictureFile(const std::string& path, const Picture& picture, const ImageLibrary& lib, PictureHost& host);

// Loads through the library into a new current picture, after an undo snapshot.
// A file the library cannot read changes nothing and reports nothing. `flattened`
// tells whether the file had transparent parts.
bool importPictureFile(PictureHost& host, const ImageLibrary& lib, const std::string& path, bool* flattened = nullptr);

// The picture filters of the library (or the default ones) in Qt's form, for
// saving or for opening.
QString pictureSaveFilter(const ImageLibrary& lib);
QString pictureOpenFilter(const ImageLibrary& lib);

// A picture filter as the file dialogs show it: the PNG entries first, and "All
// files (*)" last. Filters without PNG (the configuration's) stay as they are.
QString pngFirst(const QString& filter);

// The extension of a filter entry's first pattern, "png" for "PNG (*.PNG)"; empty for "All files (*)".
QString filterExtension(const QString& entry);

// writePictureFile under the wait cursor; a message about the outcome belongs after
// the call, with the ordinary cursor.
bool writePictureFileWaiting(const ImageLibrary& lib, const Picture& picture, const std::string& path,
                             std::string* reason);

// Qt's save dialog with the request's filters (the caller puts PNG first), where the
// chosen filter supplies the extension of a name typed without one ("Save As ...";
// a request's `dialog`).
QStringList runSaveAsDialog(QWidget* parent, const FileRequest& request);
