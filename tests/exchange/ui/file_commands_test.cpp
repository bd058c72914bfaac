#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#include "app/command_ids.h"
#include "app/picture_view.h"
#include "exchange/picture_file.h"
#include "exchange/ui/file_commands.h"
#include "exchange/ui/qt_file_filter.h"
#include "tests/app/window_fixture.h"
#include "tests/support/file_answers.h"
#include "tests/support/picture_compare.h"

namespace {

// A window bound to the real image library, with file names answered from a list.
class FileTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        std::string error;
        ASSERT_TRUE(loadImageLibraryFrom(VOSPREN_TEST_IMAGE_LIBRARY, library, &error)) << error;
        chooser_.emplace(answerName([this](QWidget*, FileDialogKind kind, const QString& filter) {
            filters.push_back(filter);
            kinds.push_back(kind);
            if (names.empty()) return std::optional<std::string>();
            std::string next = names.front();
            names.erase(names.begin());
            return std::optional<std::string>(next);
        }));
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }

    QTemporaryDir dir;
    std::optional<ScopedFileChooser> chooser_;
    std::vector<std::string> names;
    std::vector<QString> filters;
    std::vector<FileDialogKind> kinds;
};
}  // namespace

TEST(QtFileFilter, ConvertsTheLibraryForm) {
    EXPECT_EQ(qtFileFilter(kDefaultPictureFilter), "JpegImage (*.jpg);;Bitmap Windows(*.bmp);;PNG (*.PNG)");
    EXPECT_EQ(qtFileFilter("Pictures|*.png;*.jpg|All|*.*|"), "Pictures (*.png *.jpg);;All (*.*)");
    EXPECT_EQ(qtFileFilter("Odd|*.x|Dangling|"), "Odd (*.x)");
    EXPECT_EQ(qtFileFilter("|*.bmp|NoPattern||"), "(*.bmp)");
    EXPECT_EQ(qtFileFilter(""), "");
    // Patterns already shown in the description are not repeated.
    EXPECT_EQ(qtFileFilter("All pictures (*.jpg;*.png)|*.jpg;*.png|PNG (*.png)|*.png|"),
              "All pictures (*.jpg *.png);;PNG (*.png)");
    EXPECT_EQ(qtFileFilter("Notes (draft)|*.txt|"), "Notes (draft) (*.txt)");
    EXPECT_EQ(qtFileFilter(nullptr), "");
}

TEST_F(FileTest, ExportThenImportGivesThePictureBackWithUndo) {
    window->replacePicture(patternedPicture(13, 9));
    PicturePtr original(copyPicture(window->currentPicture()));
    names = {path("out.png")};
    window->runCommand(cmd::ExportFile);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(kinds.size(), 1u);
    EXPECT_EQ(kinds[0], FileDialogKind::Save);
    EXPECT_TRUE(filters[0].contains("(*.png") || filters[0].contains("(*.PNG")) << filters[0].toStdString();
    EXPECT_FALSE(filters[0].contains('|'));

    newPicture(20, 20);
    window->runCommand(cmd::ZoomOut);
    names = {path("out.png")};
    window->runCommand(cmd::ImportFile);
    EXPECT_EQ(kinds.back(), FileDialogKind::Open);
    EXPECT_TRUE(samePixels(window->currentPicture(), original.get()));
    EXPECT_EQ(window->zoom(), 2) << "import leaves the zoom as it was";
    EXPECT_EQ(window->view()->displayImage().width(), 16);

    window->runCommand(cmd::Undo);
    ASSERT_NE(window->currentPicture(), nullptr);
    EXPECT_EQ(window->currentPicture()->width, 20) << "undo brings back the picture from before the import";
}

TEST_F(FileTest, ExportAsksAgainUntilTheNameHasAnExtension) {
    window->replacePicture(patternedPicture(8, 8));
    names = {path("noext"), path("still.no/ext"), path("fine.bmp")};
    window->runCommand(cmd::ExportFile);
    EXPECT_EQ(messages,
              (std::vector<std::string>{"Please enter extension eg(.jpg)", "Please enter extension eg(.jpg)"}));
    EXPECT_EQ(kinds.size(), 3u);
    PicturePtr back(loadPictureFile(library, path("fine.bmp")));
    EXPECT_TRUE(samePixels(back.get(), window->currentPicture()));
}

TEST_F(FileTest, FailedExportShowsBothMessages) {
    window->replacePicture(patternedPicture(8, 8));
    const std::string bad = path("missing-folder/out.png");
    names = {bad};
    window->runCommand(cmd::ExportFile);
    EXPECT_EQ(messages, (std::vector<std::string>{"Failure export image " + bad, "Erreur exportation"}));
}

namespace {

// The library's entry points as the window calls them, each call noting whether the
// wait cursor was showing.
ImageLibrary::SaveToDiskFn realSave = nullptr;
ImageLibrary::LoadToDiskFn realLoad = nullptr;
std::vector<bool> libraryCallsWaited;

bool waitCursorShown() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

uint8_t saveWatched(const char* path, const uint8_t* rgb, int32_t width, int32_t height, int32_t reserved) {
    libraryCallsWaited.push_back(waitCursorShown());
    return realSave(path, rgb, width, height, reserved);
}

uint8_t loadWatched(const char* path, uint8_t** buffer, int32_t* width, int32_t* height, uint8_t* alpha, int32_t mode) {
    libraryCallsWaited.push_back(waitCursorShown());
    return realLoad(path, buffer, width, height, alpha, mode);
}

}  // namespace

// Reading and writing a picture show the wait cursor for their own time only: none is
// left behind, and the messages that follow a failure show the ordinary cursor.
TEST_F(FileTest, TheWaitCursorCoversFileWorkOnlyNotItsMessages) {
    realSave = library.saveToDisk;
    realLoad = library.loadToDisk;
    library.saveToDisk = saveWatched;
    library.loadToDisk = loadWatched;
    libraryCallsWaited.clear();
    std::vector<bool> covered;
    window->qtInteraction().setMessageHook([&](const std::string&, const std::string&, Interaction::Icon) {
        covered.push_back(QGuiApplication::overrideCursor() != nullptr);
    });
    window->replacePicture(patternedPicture(8, 8));
    {
        QFile junk(QString::fromStdString(path("junk.bmp")));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture");
    }
    names = {path("missing-folder/out.bmp"), path("out.bmp"), path("junk.bmp"), path("out.bmp"),
             path("missing-folder/saved.bmp")};
    window->runCommand(cmd::ExportFile);
    window->runCommand(cmd::ExportFile);
    const PicturePtr exported = copyPicture(window->currentPicture());
    window->runCommand(cmd::ImportFile);
    window->runCommand(cmd::ImportFile);
    window->runCommand(cmd::SaveAs);
    EXPECT_EQ(libraryCallsWaited, std::vector<bool>(libraryCallsWaited.size(), true));
    EXPECT_GE(libraryCallsWaited.size(), 5u) << "two saves, two loads and Save As reached the library";
    EXPECT_EQ(covered, (std::vector<bool>{false, false, false})) << "the failed export's two messages, Save As's one";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(samePixels(window->currentPicture(), exported.get())) << "the written picture was read back";
}

TEST_F(FileTest, ExportWithoutLibraryFailsCleanly) {
    ImageLibrary none;
    window->replacePicture(patternedPicture(8, 8));
    names = {path("x.png")};
    ScopedFileChooser chooser(answerName([&](QWidget*, FileDialogKind, const QString& filter) {
        EXPECT_EQ(filter, qtFileFilter(kDefaultPictureFilter)) << "without the library the default filter is used";
        return std::optional<std::string>(path("x.png"));
    }));
    runExportFileCommand(*window, none);
    EXPECT_EQ(messages, (std::vector<std::string>{"Failure export image " + path("x.png"), "Erreur exportation"}));
}

TEST_F(FileTest, UnreadableImportChangesNothingAndSaysNothing) {
    window->replacePicture(patternedPicture(8, 8));
    Picture* before = window->currentPicture();
    {
        QFile junk(QString::fromStdString(path("junk.png")));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture");
    }
    names = {path("junk.png")};
    window->runCommand(cmd::ImportFile);
    EXPECT_EQ(window->currentPicture(), before);
    EXPECT_EQ(window->undoSnapshot(), nullptr);
    EXPECT_TRUE(messages.empty());
    // No box, but the status bar says what happened.
    EXPECT_EQ(window->statusBar()->currentMessage().toStdString(), "Cannot read " + path("junk.png"));

    // A drop of the same file, and a missing file named on the command line, alike.
    window->show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path("junk.png")))});
    window->statusBar()->clearMessage();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(window->statusBar()->currentMessage().toStdString(), "Cannot read " + path("junk.png"));
    EXPECT_FALSE(window->openPictureFile(path("missing.png")));
    EXPECT_EQ(window->statusBar()->currentMessage().toStdString(), "Cannot read " + path("missing.png"));
    EXPECT_EQ(window->currentPicture(), before);
    EXPECT_EQ(window->undoSnapshot(), nullptr);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileTest, AFileNamedAtStartOpensAsAnImportWould) {
    PicturePtr a(patternedPicture(6, 5));
    ASSERT_TRUE(savePictureFile(library, *a, path("a.bmp")));
    window->show();
    window->statusBar()->showMessage("Cannot read earlier.png");
    EXPECT_TRUE(window->openPictureFile(path("a.bmp")));
    EXPECT_TRUE(samePixels(window->currentPicture(), a.get()));
    EXPECT_FALSE(window->view()->displayImage().isNull());
    EXPECT_EQ(window->undoSnapshot(), nullptr) << "no picture before it: nothing to undo to";
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty()) << "an old failure is not left standing";
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileTest, SmallImportIsAcceptedButLaterRefused) {
    PicturePtr tiny(patternedPicture(2, 2));
    ASSERT_TRUE(savePictureFile(library, *tiny, path("tiny.png")));
    names = {path("tiny.png")};
    window->runCommand(cmd::ImportFile);
    ASSERT_NE(window->currentPicture(), nullptr);
    EXPECT_EQ(window->currentPicture()->width, 2);
    window->runCommand(cmd::Circle);
    EXPECT_EQ(messages, std::vector<std::string>{"The picture should be have a minimum size 4,4"});
}

TEST_F(FileTest, DropImportsOnlyTheFirstFile) {
    PicturePtr a(patternedPicture(6, 5)), b(patternedPicture(9, 9)), c(patternedPicture(4, 7));
    ASSERT_TRUE(savePictureFile(library, *a, path("a.png")));
    ASSERT_TRUE(savePictureFile(library, *b, path("b.png")));
    ASSERT_TRUE(savePictureFile(library, *c, path("c.bmp")));
    window->show();

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path("a.png"))),
                  QUrl::fromLocalFile(QString::fromStdString(path("b.png"))),
                  QUrl::fromLocalFile(QString::fromStdString(path("c.bmp")))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);

    EXPECT_TRUE(samePixels(window->currentPicture(), a.get()));
    EXPECT_FALSE(window->view()->displayImage().isNull());
    EXPECT_TRUE(messages.empty());
}
