#include <gtest/gtest.h>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

#include <cstring>

#include "compositing/ui/circle_mix_dialog.h"
#include "compositing/ui/compositing_commands.h"
#include "compositing/ui/tag_dialog.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "params/parameter_blocks.h"
#include "tests/support/dialog_controls.h"
#include "tests/support/fake_picture_host.h"
#include "tests/support/file_answers.h"
#include "tests/support/modal_driver.h"
#include "ui/file_list_widget.h"

namespace {

QStringList listed(FileListWidget* files) {
    QStringList rows;
    for (int i = 0; i < files->list()->count(); ++i) rows << files->list()->item(i)->text();
    return rows;
}

// Drops the paths on `target` as the desktop would.
void dropFiles(QWidget* target, const QStringList& paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// Saves what the dialog looks like when VOSPREN_SCREENSHOTS names a folder.
void keepScreenshot(QDialog& dialog, const char* name) {
    const QByteArray folder = qgetenv("VOSPREN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(QString::fromLocal8Bit(folder) + '/' + name);
    dialog.hide();
}

class CompositingDialogs : public testing::Test {
protected:
    void SetUp() override {
        tagParams() = TagParams{};
        circleMixParams() = CircleMixParams{};
        resetPaintSettings();
    }
    void TearDown() override { SetUp(); }
};

// The list shared by both dialogs: "+" (several files), drops on any part of the
// dialog, the case-insensitive prefix rule, the sorted order, "-" and "RAZ"; then
// OK with an empty list stores the empty list and keeps the dialog open.
TEST_F(CompositingDialogs, TagDialogListAndOk) {
    TagParams& p = tagParams();
    p.tagFiles = {"/pics/b.png", "/pics/a.bmp"};
    p.tagCount = 12;
    p.tagRotation = 1;
    cdtagpng dialog(p);
    dialog.fill();
    EXPECT_EQ(dialog.windowTitle(), "Tag");
    EXPECT_EQ(textOf(dialog, 1001), "12");
    EXPECT_TRUE(checkOf(dialog, 1002)->isChecked());
    EXPECT_EQ(dialog.findChild<QLabel*>("hint")->text(), "You can drop this file only (BMP,PNG,JPG)");
    EXPECT_EQ(listed(dialog.files()), (QStringList{"/pics/a.bmp", "/pics/b.png"}));
    // The check box "Rotation" sits in a group "Rotation" inside a group "Extended".
    QWidget* rotationGroup = checkOf(dialog, 1002)->parentWidget();
    ASSERT_TRUE(qobject_cast<QGroupBox*>(rotationGroup) && qobject_cast<QGroupBox*>(rotationGroup->parentWidget()));
    EXPECT_EQ(static_cast<QGroupBox*>(rotationGroup)->title(), "Rotation");
    EXPECT_EQ(static_cast<QGroupBox*>(rotationGroup->parentWidget())->title(), "Extended");
    EXPECT_EQ(formLabels(dialog), QStringList{"Count : "});
    keepScreenshot(dialog, "tag_dialog.png");

    QString filterSeen;
    ScopedFileChooser chooser(answerFiles([&](QWidget*, FileDialogKind, const QString& filter) {
        filterSeen = filter;
        return QStringList{"/pics/C.jpg", "/PICS/B.PNG", "/pics/b", "/pics/b.png.old"};
    }));
    press(dialog, "add");
    EXPECT_TRUE(filterSeen.startsWith("Picture Files (*.png *.bmp *.jpg);;Jpeg (*.jpg);;")) << filterSeen.toStdString();
    dropFiles(dialog.findChild<QLineEdit*>("edit1001"), {"/drop/z.txt", "/pics/A.BMP"});
    EXPECT_EQ(listed(dialog.files()),
              (QStringList{"/drop/z.txt", "/pics/a.bmp", "/pics/b.png", "/pics/b.png.old", "/pics/C.jpg"}));

    dialog.files()->list()->setCurrentRow(0);
    press(dialog, "remove");
    EXPECT_EQ(dialog.files()->list()->count(), 4);
    setText(dialog, 1001, "77");
    checkOf(dialog, 1002)->setChecked(false);
    press(dialog, "ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(p.tagFiles.size(), 4u);
    EXPECT_EQ(p.tagCount, 77);
    EXPECT_EQ(p.tagRotation, 0);

    dialog.setResult(QDialog::Rejected);
    dialog.show();
    press(dialog, "clear");
    setText(dialog, 1001, "5");
    press(dialog, "ok");
    EXPECT_TRUE(dialog.isVisible());  // still open, and no message
    EXPECT_TRUE(p.tagFiles.empty());  // but the empty list is stored
    EXPECT_EQ(p.tagCount, 77);
    press(dialog, "cancel");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(p.tagFiles.empty());
}

// The opaque-percentage checks of OK, in their order, with what stays stored.
TEST_F(CompositingDialogs, CircleMixDialogChecksTheOpaquePercentages) {
    CircleMixParams& p = circleMixParams();
    cdmixcircle dialog(p);
    std::vector<std::string> said;
    dialog.setMessageSink([&](const std::string& m) { said.push_back(m); });
    dialog.fill();
    EXPECT_EQ(dialog.windowTitle(), "Circle Mixe");
    const char* shown[] = {"80", "80", "32", "64", "1", "0", "0"};
    for (int id = 1003; id <= 1007; ++id) EXPECT_EQ(textOf(dialog, id), shown[id - 1003]) << id;
    EXPECT_EQ(textOf(dialog, 1010), "0");
    EXPECT_EQ(checkOf(dialog, 1009)->text(), "Plug");
    EXPECT_EQ(formLabels(dialog), (QStringList{"Min : ", "Min : ", "Max  :", "Max  :", "Count : ",
                                               "Opaque Radius Percent Min (%):", "Opaque Radius Percent Max (%):"}));
    QStringList groups;
    for (QGroupBox* g : dialog.findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_EQ(groups, (QStringList{"Mixe(%)", "Radius"}));
    keepScreenshot(dialog, "circle_mix_dialog.png");

    dialog.files()->addPath("/src/one.png");
    struct Case {
        const char* lo;
        const char* hi;
        const char* message;  // null: accepted
    };
    for (const Case& c : {Case{"-5", "50", kOpaqueRangeMessage}, Case{"10", "101", kOpaqueRangeMessage},
                          Case{"60", "40", kOpaqueOrderMessage}, Case{"0", "100", nullptr}}) {
        said.clear();
        dialog.setResult(QDialog::Rejected);
        setText(dialog, 1003, "55");
        setText(dialog, 1010, c.lo);
        setText(dialog, 1011, c.hi);
        checkOf(dialog, 1009)->setChecked(true);
        press(dialog, "ok");
        EXPECT_EQ(p.mixMinPercent, 55);  // read before the check, kept after it
        EXPECT_EQ(p.plug, 1);
        if (c.message) {
            EXPECT_EQ(said, std::vector<std::string>{c.message});
            EXPECT_EQ(p.opaqueMinPercent, 0);
            EXPECT_EQ(p.opaqueMaxPercent, 0);
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
        } else {
            EXPECT_TRUE(said.empty());
            EXPECT_EQ(p.opaqueMaxPercent, 100);
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }
    }
    EXPECT_EQ(p.mixFiles, std::vector<std::string>{"/src/one.png"});
}

// The commands follow the standard flow, and run with the dialog's block.
TEST_F(CompositingDialogs, CommandsFollowTheStandardFlow) {
    FakePictureHost host;
    ImageLibrary none;  // every file fails to load: both messages, nothing drawn
    runTagCommand(host, none);
    EXPECT_EQ(host.log,
              (std::vector<std::string>{"require", "message: The picture is not initialized,please goto File->New"}));

    host.picture = createPicture(16, 16, 0);
    host.log.clear();
    {
        ModalDriver cancel([](QDialog& d) { d.reject(); });
        runCircleMixCommand(host, none);
        EXPECT_EQ(cancel.title(), "Circle Mixe");
    }
    EXPECT_EQ(host.log, std::vector<std::string>{"require"});

    tagParams().tagFiles = {"/no/such.png"};
    host.log.clear();
    host.ui.messages.clear();
    {
        ModalDriver ok([](QDialog& d) {
            setText(d, 1001, "3");
            press(d, "ok");
        });
        runTagCommand(host, none);
        EXPECT_TRUE(ok.fired());
    }
    EXPECT_EQ(host.log, (std::vector<std::string>{"require", "escape information", "snapshot",
                                                  "message: Error openging file /no/such.png error 2",
                                                  "message: The file /no/such.png has incorrect format", "refresh"}));
    EXPECT_EQ(host.ui.messageTexts(), (std::vector<std::string>{"Error openging file /no/such.png error 2",
                                                                "The file /no/such.png has incorrect format"}));
    EXPECT_EQ(tagParams().tagCount, 3);
}

}  // namespace
