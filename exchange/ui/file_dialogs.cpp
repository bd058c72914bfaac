#include "exchange/ui/file_dialogs.h"

std::optional<std::string> runStandardFileDialog(QWidget* parent, FileDialogKind kind, const QString& filter) {
    const QStringList chosen = runStandardFileChooser(parent, kind, filter);
    if (chosen.isEmpty()) return std::nullopt;
    return pathFromQt(chosen.front());
}
