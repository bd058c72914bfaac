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

// The program's file chooser (ui/file_chooser.h) for one name, as a path.
std::optional<std::string> runStandardFileDialog(QWidget* parent, FileDialogKind kind, const QString& filter);
