#include "exchange/ui/file_dialogs.h"

#include <QFileDialog>

#include "exchange/ui/png_save_dialog.h"

namespace {
// Each kind of dialog opens where the last one of its kind was left, with the same
// name and filter, so that a refused name (no extension) can be corrected in place.
struct LastChoice {
    QString path;
    QString filter;
};
LastChoice& lastChoice(FileDialogKind kind) {
    static LastChoice save, open;
    return kind == FileDialogKind::Save ? save : open;
}
}  // namespace

std::optional<std::string> runStandardFileDialog(QWidget* parent, FileDialogKind kind, const QString& filter) {
    LastChoice& last = lastChoice(kind);
    QString selected = filter.split(";;").contains(last.filter) ? last.filter : QString();
    const QString name = kind == FileDialogKind::Save
                             ? getSaveFileNameWithPngOption(parent, last.path, filter, &selected)
                             : QFileDialog::getOpenFileName(parent, QString(), last.path, filter, &selected);
    if (name.isEmpty()) return std::nullopt;
    last.path = name;
    last.filter = selected;
    return name.toLocal8Bit().toStdString();
}
