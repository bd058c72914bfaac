#include "exchange/ui/file_dialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

#include "exchange/ui/file_commands.h"
#include "exchange/ui/png_save_dialog.h"

namespace {
// The extension of a filter that names files of one kind only ("*.vscfg (*.vscfg)"),
// or empty: a name typed without it gets it before the dialog asks about replacing.
QString singleExtension(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9_]+)"));
    QString found;
    for (auto it = pattern.globalMatch(filter); it.hasNext();) {
        const QString ext = it.next().captured(1);
        if (!found.isEmpty() && found != ext) return {};
        found = ext;
    }
    return found;
}
}  // namespace

QStringList runWindowFileDialog(QWidget* parent, const FileRequest& request) {
    const QString filter = pngFirst(request.filter);
    if (request.kind != FileDialogKind::Save) return runStandardFileChooser(parent, {request.kind, filter});
    LastFileChoice& last = lastFileChoice(request.kind, filter);
    QString selected = last.filterIn(filter);
    QString name;
    const QString extension = singleExtension(filter);
    if (!extension.isEmpty()) {
        QFileDialog dialog(parent, QString(), last.path, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(extension);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            name = dialog.selectedFiles().front();
            selected = dialog.selectedNameFilter();
        }
    } else {
        // Pictures: the Export dialog with its choice of PNG compression.
        name = getSaveFileNameWithPngOption(parent, last.path, filter, &selected);
    }
    if (name.isEmpty()) return {};
    last.path = name;
    last.filter = selected;
    return {name};
}
