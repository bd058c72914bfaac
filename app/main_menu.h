#pragma once
#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenuBar;

// One row of the main window's command table: a menu item and what it runs, or a
// separator. The rows, in menu order, are the table (`CvosprenDlg::createCommands`).
struct CommandRow {
    // The command id (app/command_ids.h); 0 for a separator or a submenu the
    // window fills itself.
    int id = 0;
    // The menus down to the item, " > " between them, the item's text last, each
    // with its access key ("&File > &Import > &Clipboard"). A separator names its
    // menu and ends in "-" ("&File > -"). Menus appear in the order their first row
    // comes.
    QString path;
    QList<QKeySequence> keys;
    std::function<void()> handler;
};

// A separator in the menu at `menuPath`.
inline constexpr const char* kMenuPathSeparator = " > ";
inline CommandRow separatorRow(const QString& menuPath) { return {0, menuPath + kMenuPathSeparator + "-", {}, {}}; }
// An empty submenu at `path` that the window fills itself.
inline CommandRow menuRow(const QString& path) { return {0, path, {}, {}}; }

// Builds the menus of the rows on `bar`. Each item carries its command id;
// triggering it calls `dispatch(id)`. Returns the actions by id.
QMap<int, QAction*> buildMainMenu(QMenuBar* bar, const std::vector<CommandRow>& rows,
                                  const std::function<void(int id)>& dispatch);

// The command's name for the status bar: its menu path without the top menu, the
// access keys, the trailing dots and the "V1" items ("Import Clipboard", "Circle").
QString commandName(const QString& path);
