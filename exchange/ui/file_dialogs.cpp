#include "exchange/ui/file_dialogs.h"

#include <QFileDialog>
#include <QMap>
#include <QRegularExpression>

#include "exchange/ui/png_save_dialog.h"

namespace {
// Each kind of dialog opens where the last one of its kind and filter was left, with
// the same name and filter, so that a refused name (no extension) can be corrected in
// place. Kept per filter: a configuration's "Save ..." never offers the picture's name,
// which Enter and Yes would fill with a configuration.
struct LastChoice {
    QString path;
    QString filter;
};
LastChoice& lastChoice(FileDialogKind kind, const QString& filter) {
    static QMap<QString, LastChoice> save, open;
    return (kind == FileDialogKind::Save ? save : open)[filter];
}

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

std::optional<std::string> runStandardFileDialog(QWidget* parent, FileDialogKind kind, const QString& filter) {
    LastChoice& last = lastChoice(kind, filter);
    QString selected = filter.split(";;").contains(last.filter) ? last.filter : QString();
    QString name;
    const QString extension = singleExtension(filter);
    if (kind == FileDialogKind::Save && !extension.isEmpty()) {
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
        name = kind == FileDialogKind::Save
                   ? getSaveFileNameWithPngOption(parent, last.path, filter, &selected)
                   : QFileDialog::getOpenFileName(parent, QString(), last.path, filter, &selected);
    }
    if (name.isEmpty()) return std::nullopt;
    last.path = name;
    last.filter = selected;
    return name.toLocal8Bit().toStdString();
}
