// With a QApplication running, the runtime's message boxes and dialogs are Qt
// widgets. The tests answer them as a user would, from a timer.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>

#include "../runtime_host.h"

// The font configuration library keeps a cache for the life of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

// Runs act on the next modal widget that shows up.
void whenModalShows(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

class PlatformDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "runtime_qt_tests";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
    }
    static QApplication* app;
};

QApplication* PlatformDialogs::app = nullptr;

TEST_F(PlatformDialogs, CreateFailureAsksWithItsOwnCaption) {
    QString caption, text;
    bool critical = false;
    whenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        critical = box->icon() == QMessageBox::Critical;
        box->button(QMessageBox::Yes)->click();
    });
    std::string path = scratchFolder() + "missing/folder/x.txt";
    EXPECT_EQ(runtimeRoot().fileTable->createForWriting(path.c_str(), 0), RT_INVALID_HANDLE);
    EXPECT_EQ(caption, "Creating File");
    EXPECT_EQ(text, QString("Error 2 (%1),annuler ?").arg(QString::fromStdString(path)));
    EXPECT_TRUE(critical);
}

TEST_F(PlatformDialogs, MissingSettingsFileIsReported) {
    QString caption, text;
    whenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        box->accept();
    });
    std::string path = scratchFolder() + "absent.cfg";
    EXPECT_EQ(runtimeRoot().settingsTable->loadSettings(path.c_str(), 0, 1), nullptr);
    EXPECT_EQ(caption, "file not found");
    EXPECT_EQ(text, QString::fromStdString(path));
}

TEST_F(PlatformDialogs, SaveDialogAddsTheSelectedFiltersExtension) {
    std::string folder = scratchFolder();
    QString title;
    whenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->setDirectory(QString::fromStdString(folder));
        dialog->selectNameFilter(dialog->nameFilters().at(1));
        dialog->selectFile(QString::fromStdString(folder + "pic"));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept checks the name
    });
    char out[260] = "";
    EXPECT_EQ(runtimeRoot().fileTable->chooseFileToSave(nullptr, "Bitmap\0*.bmp\0JPEG\0*.jpg;*.jpeg\0", out), 1);
    EXPECT_EQ(title, "Save");
    EXPECT_EQ(std::string(out), folder + "pic.jpg;*.jpeg");  // the pattern minus its star, as it stands
}

TEST_F(PlatformDialogs, OpenAndFolderDialogs) {
    std::string folder = scratchFolder();
    writeWholeFile(folder + "in.bmp", "BM");
    whenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Open");
        dialog->setDirectory(QString::fromStdString(folder));
        dialog->selectFile(QString::fromStdString(folder + "in.bmp"));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept checks the name
    });
    char out[260] = "";
    EXPECT_EQ(runtimeRoot().fileTable->chooseFileToOpen(nullptr, "Bitmap\0*.bmp\0", out), 1);
    EXPECT_EQ(std::string(out), folder + "in.bmp");

    whenModalShows([](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    EXPECT_EQ(runtimeRoot().fileTable->chooseFileToOpen2(nullptr, "Bitmap\0*.bmp\0", out), 0);

    whenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Please, select a folder");
        dialog->setDirectory(QString::fromStdString(folder));
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);  // the current folder is the choice
    });
    EXPECT_EQ(runtimeRoot().fileTable->browseForFolder(nullptr, folder.c_str(), out), 1);
    EXPECT_EQ(std::string(out) + "/", folder);
}

}  // namespace
