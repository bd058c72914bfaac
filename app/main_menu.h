#pragma once
#include <QMap>

#include <functional>

class QAction;
class QMenuBar;

// Builds the main menu: "File", "Paint", "Filter ....", "Part.ClipBoard",
// "Configuration", and "Help" with the about item. Each item carries its command
// id; triggering it calls `dispatch(id)`. Every menu and item has an Alt+letter
// access key, unique within its menu ("&" in the text). Returns the actions by id.
QMap<int, QAction*> buildMainMenu(QMenuBar* bar, const std::function<void(int id)>& dispatch);
