#pragma once
#include <functional>
#include <optional>
#include <string>

#include "ui/file_chooser.h"

class QString;
class QWidget;

// Asks the user for one file name to save to or open; nothing when cancelled. The
// file commands take the asker as a parameter so that tests can drive them.
using FileNameChooser =
    std::function<std::optional<std::string>(QWidget* parent, FileDialogKind kind, const QString& filter)>;

// Qt's file dialogs for one name, as a path (ui/file_chooser.h): overwriting asks
// first; no default extension, except for a filter of one kind of file (a
// configuration, a palette), whose extension a bare name gets; a picture is saved
// through the dialog with the PNG option.
std::optional<std::string> runStandardFileDialog(QWidget* parent, FileDialogKind kind, const QString& filter);
