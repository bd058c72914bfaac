#pragma once
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QWidget;

// The one way the program asks for file names and turns them into paths.

// What is asked for: a name to save to, one existing file, or several.
enum class FileDialogKind { Save, Open, OpenSeveral };

struct FileRequest;
// A dialog that answers a request: the names chosen, none when cancelled.
using FileDialog = QStringList (*)(QWidget* parent, const FileRequest& request);

// Qt's file dialogs. Each kind of question with a given filter opens where the last
// such one was left, with the same choice of filter, so that a refused name can be
// corrected in place; overwriting asks first.
QStringList runStandardFileChooser(QWidget* parent, const FileRequest& request);

struct FileRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString filter;  // as Qt's file dialog reads it
    // The dialog that asks: Qt's plain ones, or a command's own (the window's, whose
    // picture save also asks how PNG files are compressed; "Save As ...").
    FileDialog dialog = runStandardFileChooser;
};

// Where the last question of a kind under a filter was left: the name and the filter
// chosen. Kept apart by kind and by filter, so that a picture's name is never offered
// where a palette or a configuration is saved.
struct LastFileChoice {
    QString path;
    QString filter;
    // The filter chosen last, when `offered` still offers it.
    QString filterIn(const QString& offered) const {
        return offered.split(QStringLiteral(";;")).contains(filter) ? filter : QString();
    }
};
LastFileChoice& lastFileChoice(FileDialogKind kind, const QString& filter);

// Asks with the request's own dialog, or with the chooser a test put in its place.
QStringList chooseFiles(QWidget* parent, const FileRequest& request);
// The first name chosen, as a path; nothing when cancelled.
std::optional<std::string> chooseFile(QWidget* parent, const FileRequest& request);

// What answers every request while a ScopedFileChooser lives (tests).
using FileChooser = std::function<QStringList(QWidget* parent, const FileRequest& request)>;
class ScopedFileChooser {
public:
    explicit ScopedFileChooser(FileChooser chooser);
    ~ScopedFileChooser();
    ScopedFileChooser(const ScopedFileChooser&) = delete;
    ScopedFileChooser& operator=(const ScopedFileChooser&) = delete;

private:
    FileChooser previous_;
};

// A file name as the system takes it (the bytes of the name) and back, so that a
// name in any script reaches the file it names.
std::string pathFromQt(const QString& path);
QString pathToQt(const std::string& path);

// The picture files the program stamps and mixes (BMP, PNG, JPG), as Qt's file
// dialog reads a filter.
QString pictureFileFilter();
