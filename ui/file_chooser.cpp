#include "ui/file_chooser.h"

#include <QFile>
#include <QFileDialog>
#include <QHash>

namespace {
FileChooser& replacedChooser() {
    static FileChooser chooser;
    return chooser;
}
}  // namespace

LastFileChoice& lastFileChoice(FileDialogKind kind, const QString& filter) {
    static QHash<QString, LastFileChoice> last;
    return last[QString::number(int(kind)) + QLatin1Char('|') + filter];
}

QStringList chooseFiles(QWidget* parent, const FileRequest& request) {
    const FileChooser& replaced = replacedChooser();
    QStringList chosen = replaced ? replaced(parent, request) : request.dialog(parent, request);
    chosen.removeAll(QString());
    return chosen;
}

std::optional<std::string> chooseFile(QWidget* parent, const FileRequest& request) {
    const QStringList chosen = chooseFiles(parent, request);
    if (chosen.isEmpty()) return std::nullopt;
    return pathFromQt(chosen.front());
}

ScopedFileChooser::ScopedFileChooser(FileChooser chooser) : previous_(std::move(replacedChooser())) {
    replacedChooser() = std::move(chooser);
}

ScopedFileChooser::~ScopedFileChooser() { replacedChooser() = std::move(previous_); }

QStringList runStandardFileChooser(QWidget* parent, const FileRequest& request) {
    const FileDialogKind kind = request.kind;
    const QString& filter = request.filter;
    LastFileChoice& last = lastFileChoice(kind, filter);
    QString selected = last.filterIn(filter);
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
