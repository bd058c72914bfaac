#include "ui/file_list_widget.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QIcon>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <fstream>

#include "compositing/file_list_rule.h"
#include "tests/support/file_answers.h"
#include "ui/file_chooser.h"

namespace {

// A name in three scripts, written as the bytes the system keeps.
const char kUtf8Name[] = "\xC3\xA9t\xC3\xA9-\xD0\xB4\xD0\xBE\xD0\xBC-\xE6\x9D\xB1.png";

TEST(FileChooser, PathsTravelAsTheBytesOfTheirNames) {
    const std::string bytes = std::string("/tmp/") + kUtf8Name;
    const QString shown = QString::fromUtf8(bytes.c_str());
    EXPECT_EQ(pathFromQt(shown), bytes);
    EXPECT_EQ(pathToQt(bytes), shown);
    EXPECT_EQ(pathFromQt(pathToQt(bytes)), bytes);
}

// A request goes to its own dialog unless a test's chooser stands in; choosers stand
// in one inside the other and leave as they came; a file is the first name chosen,
// as its bytes, and an empty name is no name.
TEST(FileChooser, ARequestGoesToTheInnermostChooserOrItsOwnDialog) {
    const std::string bytes = std::string("/tmp/") + kUtf8Name;
    const FileDialog ownDialog = [](QWidget*, const FileRequest& r) { return QStringList{"own " + r.filter}; };
    const FileRequest request{FileDialogKind::Open, QStringLiteral("F"), ownDialog};
    const auto answer = [](QStringList names) { return [names](QWidget*, const FileRequest&) { return names; }; };
    EXPECT_EQ(chooseFiles(nullptr, request), QStringList{"own F"});
    {
        ScopedFileChooser outer(answer({pathToQt(bytes), "/second"}));
        EXPECT_EQ(chooseFile(nullptr, request), bytes);
        {
            ScopedFileChooser inner(answer({QString()}));
            EXPECT_EQ(chooseFile(nullptr, request), std::nullopt);
        }
        EXPECT_EQ(chooseFiles(nullptr, request), (QStringList{pathToQt(bytes), "/second"}));
    }
    EXPECT_EQ(chooseFile(nullptr, request), "own F");
}

// Chosen through "+", a file with a non-ASCII name is kept as its bytes, shown as
// its name and, being readable, not marked.
TEST(FileListWidget, AddsAChosenNonAsciiFileAsItsBytes) {
    QTemporaryDir dir;
    const std::string path = pathFromQt(dir.path()) + "/" + kUtf8Name;
    std::ofstream(path) << "x";
    FileListWidget widget(FileListRule{addToFileList, fileListOrder}, pictureFileFilter());
    FileDialogKind asked = FileDialogKind::Save;
    ScopedFileChooser chooser(answerFiles([&](QWidget*, FileDialogKind kind, const QString&) {
        asked = kind;
        return QStringList{pathToQt(path)};
    }));
    widget.findChild<QPushButton*>("add")->click();
    EXPECT_EQ(asked, FileDialogKind::OpenSeveral);
    ASSERT_EQ(widget.entries(), std::vector<std::string>{path});
    QListWidgetItem* item = widget.list()->item(0);
    EXPECT_EQ(item->text(), QString::fromUtf8(path.c_str()));
    EXPECT_TRUE(item->icon().isNull());
    EXPECT_TRUE(item->toolTip().isEmpty());
}

TEST(FileListWidget, MarksEntriesItCannotReadWithTheSystemsReason) {
    QTemporaryDir dir;
    const std::string folder = pathFromQt(dir.path());
    std::ofstream(folder + "/good.png") << "x";
    std::ofstream(folder + "/locked.png") << "x";
    ::chmod((folder + "/locked.png").c_str(), 0);
    ::mkfifo((folder + "/pipe.png").c_str(), 0600);
    struct Case {
        std::string path;
        const char* reason;  // null: readable
    };
    std::vector<Case> cases = {
        {folder + "/good.png", nullptr},
        {folder + "/missing.png", "No such file or directory"},
        {folder, "Is a directory"},
        {folder + "/pipe.png", "Not a regular file"},
    };
    // The administrator reads whatever the permissions say.
    if (::geteuid() != 0) cases.push_back({folder + "/locked.png", "Permission denied"});

    std::vector<std::string> paths;
    for (const Case& c : cases) paths.push_back(c.path);
    FileListWidget widget(FileListRule{addToFileList, fileListOrder}, pictureFileFilter());
    widget.setEntries(paths);
    for (int row = 0; row < widget.list()->count(); ++row) {
        QListWidgetItem* item = widget.list()->item(row);
        const std::string path = pathFromQt(item->text());
        const auto c = std::find_if(cases.begin(), cases.end(), [&](const Case& k) { return k.path == path; });
        ASSERT_NE(c, cases.end()) << path;
        if (!c->reason) {
            EXPECT_TRUE(item->icon().isNull()) << path;
            continue;
        }
        EXPECT_FALSE(item->icon().isNull()) << path;
        EXPECT_EQ(item->toolTip(), QString("Cannot read this file: ") + c->reason) << path;
    }
    EXPECT_EQ(widget.entries().size(), cases.size()) << "marked entries stay in the list";
}

}  // namespace
