#pragma once
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QWidget;

// The one way the program asks for file names and turns them into paths.

// What is asked for: a name to save to, one existing file, or several.
enum class FileDialogKind { Save, Open, OpenSeveral };

// Asks with Qt's file dialogs; the names chosen, none when cancelled. Each kind of
// question with a given filter opens where the last such one was left, with the same
// choice of filter, so that a refused name can be corrected in place; overwriting
// asks first.
QStringList runStandardFileChooser(QWidget* parent, FileDialogKind kind, const QString& filter);

// How a control asks (tests put their own in).
using FileChooser = std::function<QStringList(QWidget* parent, FileDialogKind kind, const QString& filter)>;

// A file name as the system takes it (the bytes of the name) and back, so that a
// name in any script reaches the file it names.
std::string pathFromQt(const QString& path);
QString pathToQt(const std::string& path);

// The picture files the program stamps and mixes (BMP, PNG, JPG), as Qt's file
// dialog reads a filter.
QString pictureFileFilter();
