#pragma once
#include <functional>
#include <optional>
#include <string>

class QString;
class QWidget;

// Asks the user for a file name to save to or open; nothing when cancelled. The
// file commands take the asker as a parameter so that tests can drive them.
enum class FileDialogKind { Save, Open };
using FileNameChooser =
    std::function<std::optional<std::string>(QWidget* parent, FileDialogKind kind, const QString& filter)>;

// Qt's file dialogs: overwriting asks first; no default extension, except for a filter
// of one kind of file (a configuration, a palette), whose extension a bare name gets.
std::optional<std::string> runStandardFileDialog(QWidget* parent, FileDialogKind kind, const QString& filter);
