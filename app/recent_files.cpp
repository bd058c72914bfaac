#include "app/recent_files.h"

#include "ui/program_settings.h"

namespace {
constexpr const char* kRecentFilesKey = "recentFiles";
}

QStringList recentFiles() {
    return QSettings(kSettingsOrganization, kSettingsApplication).value(kRecentFilesKey).toStringList();
}

QStringList withRecentFile(QStringList list, const QString& path) {
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > kRecentFileCount) list.removeLast();
    return list;
}

void addRecentFile(const QString& path) {
    QSettings(kSettingsOrganization, kSettingsApplication)
        .setValue(kRecentFilesKey, withRecentFile(recentFiles(), path));
}
