// The picture's file, its modified mark and the title, the questions on the way
// out, Save and Save As, and the undo history as the window keeps it.
#include <QAbstractButton>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>

#include <QImage>

#include "app/command_ids.h"
#include "app/main_menu.h"
#include "app/recent_files.h"
#include "app/status_texts.h"
#include "command/command_texts.h"
#include "exchange/picture_file.h"
#include "tests/support/file_answers.h"
#include "tests/support/picture_compare.h"
#include "window_fixture.h"

namespace {

// A window bound to the real image library; "Save As ..." answered from a list and
// the Save / Discard / Cancel question with `choice`.
class UnsavedWork : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        std::string error;
        ASSERT_TRUE(loadImageLibraryFrom(VOSPREN_TEST_IMAGE_LIBRARY, library, &error)) << error;
        chooser_.emplace(answerName([this](QWidget*, FileDialogKind, const QString& filter) {
            saveAsFilters.push_back(filter);
            if (names.empty()) return std::optional<std::string>();
            std::string next = names.front();
            names.erase(names.begin());
            return std::optional<std::string>(next);
        }));
        answerDialog = [this](QDialog& d) {
            auto* box = qobject_cast<QMessageBox*>(&d);
            if (!box) return int(QDialog::Rejected);
            box->button(choice)->click();
            return int(choice);
        };
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    std::string title() const { return window->windowTitle().toStdString(); }
    int asked() const { return int(std::count(dialogs.begin(), dialogs.end(), "QMessageBox")); }

    QTemporaryDir dir;
    std::vector<std::string> names;
    std::vector<QString> saveAsFilters;
    std::optional<ScopedFileChooser> chooser_;
    QMessageBox::StandardButton choice = QMessageBox::Cancel;
};

TEST_F(UnsavedWork, ChangeExitAskedSaveAndExitNotAsked) {
    QSignalSpy changed(window.get(), &CvosprenDlg::pictureChanged);
    QSignalSpy clean(window.get(), &CvosprenDlg::pictureClean);
    QSignalSpy exited(window.get(), &CvosprenDlg::cleanExit);
    window->show();
    const std::string partTitle = title();

    newPicture(24, 16);
    EXPECT_EQ(title(), "Untitled[*] - " + partTitle);
    EXPECT_FALSE(window->isWindowModified());

    // A change sets the mark; Exit then asks, and Cancel keeps the window.
    window->runCommand(cmd::RenderConnectable);
    EXPECT_TRUE(window->pictureModified());
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(changed.count(), 1);
    dialogs.clear();
    window->runCommand(cmd::Exit);
    EXPECT_EQ(asked(), 1);
    EXPECT_TRUE(window->isVisible());

    // A failed save says why and keeps the mark.
    names = {path("no/such/folder/x.png")};
    window->runCommand(cmd::Save);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("No such file or directory"), std::string::npos) << messages[0];
    EXPECT_NE(window->statusBar()->currentMessage().indexOf("No such file or directory"), -1);
    EXPECT_TRUE(window->isWindowModified());

    // Save without a file is Save As; the filter puts PNG first and a bare name gets ".png".
    names = {path("first")};
    window->runCommand(cmd::Save);
    ASSERT_EQ(saveAsFilters.size(), 2u);
    EXPECT_TRUE(saveAsFilters[1].startsWith("PNG")) << saveAsFilters[1].toStdString();
    EXPECT_EQ(window->pictureFile(), path("first.png"));
    EXPECT_EQ(window->statusBar()->currentMessage().toStdString(), "Saved " + path("first.png"));
    EXPECT_EQ(title(), "first.png[*] - " + partTitle);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(recentFiles().value(0).toStdString(), path("first.png"));

    // Another change, then Save writes the same file again without asking.
    window->saveUndoSnapshot();
    storePixel(window->currentPicture(), 3, 2, 40, 50, 60);
    EXPECT_TRUE(window->pictureModified());
    window->runCommand(cmd::Save);
    EXPECT_EQ(saveAsFilters.size(), 2u);
    EXPECT_EQ(firstDifference(loadPictureFile(library, path("first.png")).get(), window->currentPicture()), "");

    // Nothing unsaved: Exit leaves without a question.
    dialogs.clear();
    window->runCommand(cmd::Exit);
    EXPECT_EQ(asked(), 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(exited.count(), 1);
    EXPECT_EQ(clean.count(), 3) << "New and the two saves";
}

TEST_F(UnsavedWork, TheCloseBoxSavesOnSaveAndKeepsConfirmExitWithoutChanges) {
    window->show();
    newPicture(8, 8);
    answer = false;
    window->close();
    EXPECT_EQ(questions, std::vector<std::string>{"Confirm exit ?"}) << "nothing unsaved: the old question";
    EXPECT_TRUE(window->isVisible());

    questions.clear();
    window->runCommand(cmd::RenderConnectable);
    names = {path("kept.png")};
    choice = QMessageBox::Save;
    window->close();
    EXPECT_FALSE(window->isVisible()) << "saved, then closed";
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(firstDifference(loadPictureFile(library, path("kept.png")).get(), window->currentPicture()), "");
}

TEST_F(UnsavedWork, ClosingDuringARunAsksInterrompreAndClosesAfterIt) {
    window->show();
    newPicture(8, 8);
    QtInteraction& ui = window->qtInteraction();
    ui.beginOperation();
    window->close();
    EXPECT_EQ(questions, std::vector<std::string>{"Interrompre ?"});
    EXPECT_TRUE(window->isVisible()) << "the run ends first";
    EXPECT_TRUE(ui.escapePressed()) << "the run sees Escape";
    EXPECT_TRUE(ui.askYesNo("Interrompre ?", "KorvintePicture", Interaction::Icon::Warning));
    EXPECT_EQ(questions.size(), 1u) << "and is not asked twice";
    ui.endOperation();
    EXPECT_FALSE(ui.escapePressed());
}

TEST_F(UnsavedWork, UndoAndRedoSeveralStepsSayWhatTheyDid) {
    newPicture(8, 8);
    std::vector<PicturePtr> states;
    for (int step = 0; step < 3; ++step) {
        states.push_back(copyPicture(window->currentPicture()));
        window->runCommand(cmd::RenderConnectable);
        storePixel(window->currentPicture(), step, 0, 1, 2, 3);
    }
    states.push_back(copyPicture(window->currentPicture()));
    // clang-format off
    const struct { int id; size_t state; const char* status; } steps[] = {
        {cmd::Undo, 2, "Undone: Render Connectable"}, {cmd::Undo, 1, "Undone: Render Connectable"},
        {cmd::Redo, 2, "Redone: Render Connectable"}, {cmd::Redo, 3, "Redone: Render Connectable"},
        {cmd::Redo, 3, "Nothing to redo"},            {cmd::Undo, 2, "Undone: Render Connectable"},
    };
    // clang-format on
    for (const auto& s : steps) {
        window->runCommand(s.id);
        EXPECT_EQ(firstDifference(states[s.state].get(), window->currentPicture()), "") << s.status;
        EXPECT_EQ(window->statusBar()->currentMessage().toStdString(), s.status);
    }
    window->runCommand(cmd::RenderConnectable);  // a new change drops redo
    window->runCommand(cmd::Redo);
    EXPECT_EQ(window->statusBar()->currentMessage().toStdString(), "Nothing to redo");
}

TEST_F(UnsavedWork, ImportClearsTheMarkNamesTheFileAndSaysWhenItWasFlattened) {
    struct Case {
        const char* name;
        QImage::Format format;
        int alpha;
        bool flattened;
    };
    const Case cases[] = {{"opaque.png", QImage::Format_RGB32, 255, false},
                          {"holes.png", QImage::Format_ARGB32, 0, true}};
    window->show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image(6, 5, c.format);
        image.fill(QColor(200, 100, 50, c.alpha));
        ASSERT_TRUE(image.save(QString::fromStdString(path(c.name)), "PNG"));
        window->saveUndoSnapshot();  // a change first: the import clears it
        ASSERT_TRUE(window->openPictureFile(path(c.name)));
        EXPECT_FALSE(window->pictureModified());
        EXPECT_EQ(window->pictureFile(), path(c.name));
        EXPECT_TRUE(window->windowTitle().startsWith(QString(c.name) + "[*] - "));
        EXPECT_EQ(window->statusBar()->currentMessage().toStdString(),
                  c.flattened ? "The transparent parts of " + path(c.name) + " were flattened" : "");
    }
    EXPECT_EQ(recentFiles().mid(0, 2),
              (QStringList{QString::fromStdString(path("holes.png")), QString::fromStdString(path("opaque.png"))}));
}

TEST(StatusTexts, BlendLevelRecentListAndCommandNames) {
    EXPECT_EQ(blendLevelText(255), "");
    EXPECT_EQ(blendLevelText(115), "Level 45 %");
    EXPECT_EQ(blendLevelText(0), "Level 0 %");
    QStringList list;
    for (int i = 0; i < 12; ++i) list = withRecentFile(list, QString::number(i));
    list = withRecentFile(list, "5");
    EXPECT_EQ(list, (QStringList{"5", "11", "10", "9", "8", "7", "6", "4", "3", "2"}));
    EXPECT_EQ(commandName("&File > &Import > &Clipboard"), "Import Clipboard");
    EXPECT_EQ(commandName("&Paint > &Circle ... > &V1 ..."), "Circle");
    EXPECT_EQ(commandName("Part.&ClipBoard > Export/import &filter ..."), "Export/import filter");
}

}  // namespace
