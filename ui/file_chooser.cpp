#include "ui/file_chooser.h"

#include <QFile>
#include <QFileDialog>
#include <QHash>

namespace {
struct LastChoice {
    QString path;
    QString filter;
};
// Kept apart by kind and by filter, so that a picture's name is never offered where
// a palette or a configuration is saved.
LastChoice& lastChoice(FileDialogKind kind, const QString& filter) {
    static QHash<QString, LastChoice> last;
    return last[QString::number(int(kind)) + QLatin1Char('|') + filter];
}
}  // namespace

QStringList runStandardFileChooser(QWidget* parent, FileDialogKind kind, const QString& filter) {
    LastChoice& last = lastChoice(kind, filter);
    QString selected = filter.split(QStringLiteral(";;")).contains(last.filter) ? last.filter : QString();
    QStringList chosen;
    switch (kind) {
    case FileDialogKind::Save:
        chosen << QFileDialog::getSaveFileName(parent, QString(), last.path, filter, &selected);
        break;
    case FileDialogKind::Open:
        chosen << QFileDialog::getOpenFileName(parent, QString(), last.path, filter, &selected);
        break;
    case FileDialogKind::OpenSeveral:
        chosen = QFileDialog::getOpenFileNames(parent, QString(), last.path, filter, &selected);
        break;
    }
    chosen.removeAll(QString());
    if (!chosen.isEmpty()) {
        last.path = chosen.front();
        last.filter = selected;
    }
    return chosen;
}

std::string pathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString pathToQt(const std::string& path) { return QFile::decodeName(QByteArray(path.data(), qsizetype(path.size()))); }

QString pictureFileFilter() {
    return QStringLiteral(
        "Picture Files (*.png *.bmp *.jpg);;Jpeg (*.jpg);;Portable NetWork Graphics (*.png);;"
        "Bitmap (True Color Only)(*.bmp);;All Files (*.*)");
}
