#include "exchange/ui/file_dialogs.h"

#include <QFileDialog>

std::optional<std::string> runStandardFileDialog(QWidget* parent, FileDialogKind kind, const QString& filter) {
    const QString name = kind == FileDialogKind::Save
                             ? QFileDialog::getSaveFileName(parent, QString(), QString(), filter)
                             : QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    if (name.isEmpty()) return std::nullopt;
    return name.toLocal8Bit().toStdString();
}
