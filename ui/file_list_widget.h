#pragma once
#include <QStringList>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "ui/file_chooser.h"

class QListWidget;
class QMimeData;

// The texts of the three buttons of a file list.
struct FileListLabels {
    QString add = QStringLiteral("+");
    QString remove = QStringLiteral("-");
    QString clear = QStringLiteral("RAZ");
};

// Which paths a list takes and in which order it keeps them; the owner of the list
// passes the rule its data follows, so that the list shows what is stored.
struct FileListRule {
    // Puts the path in its place in the list and gives that place, or leaves it out (-1).
    std::function<int(std::vector<std::string>& list, const std::string& path)> add;
    // Whether a comes before b.
    std::function<bool(const std::string& a, const std::string& b)> before;
};

// A sorted list of files with three small buttons beside it: add ("+", a file
// dialog for several existing files), remove the selected entry ("-") and empty the
// list ("RAZ"). Files dropped on the widget, or on the window it is told to take
// drops for, are added too, whatever their extension, under the list's rule. An
// entry that cannot be read is marked with the style's warning icon and says why in
// its tooltip (the operation still names it when it runs).
class FileListWidget : public QWidget {
    Q_OBJECT
public:
    // `filter` is the file dialog's filter in Qt's form ("Pictures (*.png *.bmp);;...").
    FileListWidget(FileListRule rule, const QString& filter, QWidget* parent = nullptr,
                   const FileListLabels& labels = FileListLabels());

    std::vector<std::string> entries() const { return entries_; }
    // Shows these paths, sorted, as they are (a stored list is not filtered again).
    void setEntries(const std::vector<std::string>& paths);
    // Adds under the list's rule; false when the path was left out.
    bool addPath(const std::string& path);
    void clear();

    // Dropped files on `target` (a dialog) and on every control in it go to this list;
    // other drags (text onto an edit) are left to the controls.
    void takeDropsFor(QWidget* target);

    QListWidget* list() const { return list_; }

signals:
    void entriesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseFiles();
    void removeSelected();
    void showEntries(int selected);

    FileListRule rule_;
    QString filter_;
    std::vector<std::string> entries_;
    QListWidget* list_;
};

// Local file paths of a drag's URLs (empty when it carries none).
QStringList droppedFilePaths(const QMimeData* mime);
