// The file list's own behaviour, under a rule of the test's: what "+", "-", "RAZ" and
// drops do to the entries, the shown rows, the selection and the change signal.
#include "ui/file_list_widget.h"
#include "tests/support/file_answers.h"

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Paths = std::vector<std::string>;

// Sorted by name, every path once; "skip" paths are refused.
FileListRule testRule() {
    FileListRule rule;
    rule.before = [](const std::string& a, const std::string& b) { return a < b; };
    rule.add = [before = rule.before](Paths& list, const std::string& path) {
        if (path.find("skip") != std::string::npos || std::count(list.begin(), list.end(), path)) return -1;
        return int(list.insert(std::upper_bound(list.begin(), list.end(), path, before), path) - list.begin());
    };
    return rule;
}

QStringList shownRows(const FileListWidget& w) {
    QStringList rows;
    for (int i = 0; i < w.list()->count(); ++i) rows << w.list()->item(i)->text();
    return rows;
}

QStringList asRows(const Paths& paths) {
    QStringList rows;
    for (const auto& p : paths) rows << QString::fromUtf8(p);
    return rows;
}

void press(FileListWidget& w, const char* name) { w.findChild<QPushButton*>(QLatin1String(name))->click(); }

// Sends a drag and a drop of these local files onto `target`; whether the drop was taken.
bool dropFiles(QWidget* target, const QStringList& paths, const QString& text = QString()) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    if (!urls.isEmpty()) data.setUrls(urls);
    if (!text.isEmpty()) data.setText(text);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

TEST(FileListWidget, ButtonsFollowTheRule) {
    FileListWidget w(testRule(), QStringLiteral("Pictures (*.png)"));
    QSignalSpy changed(&w, &FileListWidget::entriesChanged);
    QStringList chooserFilters;
    QStringList answer;
    ScopedFileChooser chooser(answerFiles([&](QWidget*, FileDialogKind, const QString& filter) {
        chooserFilters << filter;
        return answer;
    }));

    // "+": every chosen path under the rule, the last added one selected.
    answer = {"/p/c.png", "/p/a.png", "/p/skip.png", "/p/a.png", QString::fromUtf8("/p/été.png")};
    press(w, "add");
    EXPECT_EQ(chooserFilters, QStringList{"Pictures (*.png)"});
    const Paths kept = {"/p/a.png", "/p/c.png", "/p/été.png"};
    EXPECT_EQ(w.entries(), kept);
    EXPECT_EQ(shownRows(w), asRows(kept));
    EXPECT_EQ(w.list()->currentRow(), 2);
    EXPECT_EQ(changed.count(), 3);

    // "-" removes the selected entry and selects the one now in its place (or the last).
    const struct {
        int select;
        Paths after;
        int selected;
    } removals[] = {{0, {"/p/c.png", "/p/été.png"}, 0}, {1, {"/p/c.png"}, 0}, {0, {}, -1}};
    for (const auto& r : removals) {
        w.list()->setCurrentRow(r.select);
        press(w, "remove");
        EXPECT_EQ(w.entries(), r.after) << r.select;
        EXPECT_EQ(shownRows(w), asRows(r.after));
        EXPECT_EQ(w.list()->currentRow(), r.selected);
    }
    changed.clear();
    press(w, "remove");  // nothing selected: nothing happens
    EXPECT_EQ(changed.count(), 0);

    // "RAZ" empties; a stored list is shown sorted but not filtered again.
    w.setEntries({"/q/z.png", "/q/skip.png", "/q/b.png"});
    EXPECT_EQ(w.entries(), (Paths{"/q/b.png", "/q/skip.png", "/q/z.png"}));
    press(w, "clear");
    EXPECT_TRUE(w.entries().empty());
    EXPECT_EQ(w.list()->count(), 0);
}

TEST(FileListWidget, DroppedFilesOnTheDialogGoToTheList) {
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    auto* w = new FileListWidget(testRule(), QString(), &dialog);
    w->takeDropsFor(&dialog);

    EXPECT_TRUE(dropFiles(&dialog, {"/d/b.bmp", "/d/a.txt"}));  // any extension
    EXPECT_TRUE(dropFiles(edit, {"/d/c.jpg", "/d/skip.png"}));  // a control of the dialog
    EXPECT_TRUE(dropFiles(w->list(), {"/d/a.txt"}));            // once only, by the rule
    EXPECT_EQ(w->entries(), (Paths{"/d/a.txt", "/d/b.bmp", "/d/c.jpg"}));

    // Text without files is left to the controls.
    EXPECT_FALSE(dropFiles(&dialog, {}, QStringLiteral("some text")));
    EXPECT_EQ(w->entries().size(), 3u);
    EXPECT_EQ(droppedFilePaths(nullptr), QStringList());
}

}  // namespace
