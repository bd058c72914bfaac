#pragma once
#include <QStringList>

// "Open Recent": the last pictures imported or saved, newest first, kept in the
// program's own settings (never in main.vscfg).
inline constexpr int kRecentFileCount = 10;

QStringList recentFiles();
// Puts `path` first, once, and keeps the newest kRecentFileCount.
void addRecentFile(const QString& path);
// The list with `path` in front, as addRecentFile keeps it.
QStringList withRecentFile(QStringList list, const QString& path);
