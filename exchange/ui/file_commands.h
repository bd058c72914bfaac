#pragma once
#include <string>

#include "exchange/ui/file_dialogs.h"

class Interaction;
class PictureHost;
struct ImageLibrary;
struct Picture;

// "File", "Export", "File ...": asks for a name (again while it has no extension),
// writes the picture through the library, reports a failure.
void runExportFileCommand(PictureHost& host, const ImageLibrary& lib, const FileNameChooser& chooser);

// What an import came to, so that the window can say why nothing changed.
struct ImportOutcome {
    enum class Result { NothingChosen, Loaded, Unreadable };
    Result result = Result::NothingChosen;
    std::string path;  // the file tried
};

// "File", "Import", "File ...": asks for a file and makes it the current picture.
ImportOutcome runImportFileCommand(PictureHost& host, const ImageLibrary& lib, const FileNameChooser& chooser);

// Imports `path` and refreshes the view when it loaded.
ImportOutcome importAndShow(PictureHost& host, const ImageLibrary& lib, const std::string& path);

// Saves through the library; on failure shows "Failure export image <path>", then
// "Erreur exportation".
bool exportPictureFile(const std::string& path, const Picture& picture, const ImageLibrary& lib, Interaction& ui);

// Loads through the library into a new current picture, after an undo snapshot.
// A file the library cannot read changes nothing and reports nothing.
bool importPictureFile(PictureHost& host, const ImageLibrary& lib, const std::string& path);
