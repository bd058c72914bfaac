#include "platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QThread>
#include <cstdio>

namespace tolvanea {
namespace {

// Qt widgets may only be used from the GUI thread of a running QApplication.
bool haveGui() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    return app != nullptr && QThread::currentThread() == app->thread();
}

QString text8(const char* text) { return QString::fromLocal8Bit(text != nullptr ? text : ""); }

void toStandardError(const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "", text != nullptr ? text : "");
    std::fflush(stderr);
}

// "*.jpg;*.jpeg" -> "Description (*.jpg *.jpeg)"
QString qtFilter(const FileFilter& filter) {
    QString patterns = QString::fromLocal8Bit(filter.pattern.c_str());
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    return QStringLiteral("%1 (%2)").arg(QString::fromLocal8Bit(filter.description.c_str()), patterns);
}

}  // namespace

void platformMessage(const char* text, const char* caption) {
    if (!haveGui()) {
        toStandardError(text, caption);
        return;
    }
    QMessageBox::critical(nullptr, text8(caption), text8(text), QMessageBox::Ok);
}

bool platformAskYesNo(const char* text, const char* caption) {
    if (!haveGui()) {
        toStandardError(text, caption);
        return false;
    }
    QMessageBox box(QMessageBox::Critical, text8(caption), text8(text), QMessageBox::Yes | QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

bool platformChooseFile(bool save, const char* title, const std::vector<FileFilter>& filters, FileChoice& choice) {
    if (!haveGui()) return false;
    QStringList names;
    for (const FileFilter& filter : filters) names << qtFilter(filter);
    QFileDialog dialog(nullptr, text8(title));
    dialog.setNameFilters(names);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The folder must exist either way; an opened file must exist too.
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    choice.path = dialog.selectedFiles().first().toLocal8Bit().toStdString();
    choice.filterIndex = static_cast<int>(names.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
}

bool platformChooseFolder(const char* title, const char* initial, std::string& folder) {
    if (!haveGui()) return false;
    QString chosen = QFileDialog::getExistingDirectory(nullptr, text8(title), text8(initial));
    if (chosen.isEmpty()) return false;
    folder = chosen.toLocal8Bit().toStdString();
    return true;
}

}  // namespace tolvanea
