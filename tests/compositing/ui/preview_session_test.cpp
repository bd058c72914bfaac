// One recorded session with the preview, driven as a user drives it: open, zoom,
// frame, scroll, point, choose a tag in the insertion dialog, turn the wheel, press
// the keys, click to insert, close, undo. Each step is checked against the plain
// functions the window is built on. With VOSPREN_SHOT_DIR set the session leaves
// screenshots there (the whole screen under a real X server, the window otherwise).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "compositing/preview_display.h"
#include "compositing/preview_geometry.h"
#include "compositing/tag_insertion.h"
#include "compositing/tag_overlay.h"
#include "compositing/ui/preview_area.h"
#include "compositing/ui/preview_window.h"
#include "compositing/ui/tag_insert_dialog.h"
#include "params/parameter_blocks.h"
#include "tests/compositing/fake_tag_library.h"
#include "tests/filters/test_pictures.h"
#include "tests/support/fake_picture_host.h"
#include "tests/support/file_answers.h"
#include "tests/support/picture_compare.h"
#include "tests/support/qt_application.h"

namespace {

constexpr int32_t kWidth = 160;
constexpr int32_t kHeight = 100;

void shot(QWidget& window, const char* name) {
    const QByteArray dir = qgetenv("VOSPREN_SHOT_DIR");
    if (dir.isEmpty()) return;
    QApplication::processEvents();
    const QString path = QString::fromUtf8(dir) + "/" + name + ".png";
    if (QGuiApplication::platformName() == "xcb") {
        QTest::qWait(100);
        QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    } else {
        window.grab().save(path);
    }
}

void wheel(QWidget* target, int delta) {
    const QPointF at(40, 60);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// Moves the pointer over the image area and waits until the preview has seen it (a
// real X server delivers the move later).
void pointAt(cdpreview& preview, QPoint client) {
    QTest::mouseMove(preview.area(), client);
    const PreviewPointer want =
        previewPointer(client.x(), client.y(), preview.zoom(), preview.scrollX(), preview.scrollY());
    for (int i = 0; i < 100 && (preview.pointerX() != want.x || preview.pointerY() != want.y); ++i) QTest::qWait(10);
}

void keypad(QWidget* target, Qt::Key key) { QTest::keyClick(target, key, Qt::KeypadModifier); }

// The display the window should show: the picture's images with the overlay at the
// pointer, when there is one.
PreviewDisplay expectedDisplay(const Picture& picture, const cdpreview& preview, bool overlay) {
    PreviewDisplay d;
    buildPreviewDisplay(picture, preview.zoom(), preview.frameBox()->isChecked(), d);
    if (overlay) {
        const TagImage& tag = *preview.previewTag();
        drawTagOverlays(d, tag.cells(), tag.width, tag.height, preview.pointerX(), preview.pointerY(),
                        tagInsertParams().insertLevel);
    }
    return d;
}

// What the user does while the preview is open.
void session(cdpreview& preview, FakePictureHost& host, const Picture& original) {
    preview.resize(640, 480);
    preview.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&preview));
    PreviewArea* area = preview.area();

    // Opening: zoom 1, three copies each way, bars over three picture sizes, seam shown.
    EXPECT_EQ(preview.windowTitle(), "Preview");
    EXPECT_EQ(preview.zoom(), 1);
    EXPECT_EQ(preview.display().shownWidth(), 3 * kWidth);
    EXPECT_EQ(preview.display().shownHeight(), 3 * kHeight);
    EXPECT_EQ(preview.horizontalBar()->maximum(), 3 * kWidth);
    EXPECT_EQ(preview.verticalBar()->maximum(), 3 * kHeight);
    EXPECT_EQ(preview.horizontalBar()->geometry(), QRect(0, area->height() - 24, area->width() - 24, 24));
    EXPECT_EQ(preview.seam().columns.ratio, seamMeasure(*host.picture).columns.ratio);
    EXPECT_TRUE(preview.statusLine()->text().startsWith("Seam: columns"));
    shot(preview, "1-open");

    // Zoom within 1..16.
    preview.action("Out")->trigger();
    preview.action("Out")->trigger();
    EXPECT_EQ(preview.zoom(), 3);
    EXPECT_EQ(preview.display().shownWidth(), 3 * (kWidth / 3));
    preview.action("In")->trigger();
    EXPECT_EQ(preview.zoom(), 2);
    for (int i = 0; i < 20; ++i) preview.action("Out")->trigger();
    EXPECT_EQ(preview.zoom(), 16);
    EXPECT_EQ(preview.display().shownWidth(), 3 * (kWidth / 16));
    preview.action("Pixel")->trigger();
    preview.action("In")->trigger();
    EXPECT_EQ(preview.zoom(), 1);

    // "Cadre Resolution" marks where each copy begins.
    QTest::mouseClick(preview.frameBox(), Qt::LeftButton);
    ASSERT_TRUE(preview.frameBox()->isChecked());
    uint8_t r, g, b;
    getPixel(host.picture.get(), 5, 0, &r, &g, &b);
    EXPECT_EQ(preview.display().pixel(kWidth + 5, kHeight)[2], uint8_t(~r));
    preview.action("Out")->trigger();
    shot(preview, "2-zoom2-frame");

    // Arrows move one display pixel; the track moves nothing.
    QScrollBar* hbar = preview.horizontalBar();
    QTest::mouseClick(hbar, Qt::LeftButton, {}, QPoint(hbar->width() - 6, 12));
    EXPECT_EQ(preview.scrollX(), 1);
    QTest::mouseClick(hbar, Qt::LeftButton, {}, QPoint(hbar->width() / 2, 12));
    EXPECT_EQ(preview.scrollX(), 1);
    hbar->setValue(0);

    // The pointer at (10, 42) with zoom 2 names picture position (20, 20).
    pointAt(preview, QPoint(10, 42));
    EXPECT_EQ(preview.pointerX(), 20);
    EXPECT_EQ(preview.pointerY(), 20);

    // Keys and wheel before any tag change the values only.
    wheel(area, 120);
    EXPECT_EQ(tagInsertParams().insertLevel, 10);
    EXPECT_FALSE(preview.insertMode());

    // "Insert Tag ..." with no file: the dialog shows, nothing loads.
    preview.action("Insert Tag ...")->trigger();
    cmodlesstaginsert* insert = existingTagInsertDialog();
    ASSERT_NE(insert, nullptr);
    EXPECT_TRUE(insert->isVisible());
    EXPECT_EQ(insert->parentWidget(), &preview);
    EXPECT_EQ(insert->windowTitle(), "Insertion Tag in preview");
    insert->move(preview.frameGeometry().right() + 10, 0);
    EXPECT_EQ(insert->mixEdit()->text(), "3");
    EXPECT_FALSE(preview.insertMode());

    // The history: "Browse ..." adds chosen files once, whatever their case.
    ScopedFileChooser chooser(answerFiles([](QWidget*, FileDialogKind kind, const QString&) {
        return kind == FileDialogKind::OpenSeveral
                   ? QStringList{"/tags/star.png", "/TAGS/STAR.png", "/tags/Star-big.png"}
                   : QStringList{"/tags/star.png"};
    }));
    QComboBox* history = insert->history();
    ASSERT_EQ(history->count(), 1);
    emit history->activated(0);
    ASSERT_EQ(history->count(), 3);
    EXPECT_EQ(history->itemText(0), "/tags/Star-big.png");
    EXPECT_EQ(history->itemText(1), "/tags/star.png");
    EXPECT_EQ(history->itemText(2), "Browse ...");
    history->setCurrentIndex(2);
    insert->removeButton()->click();
    EXPECT_EQ(history->count(), 3);
    history->setCurrentIndex(0);
    insert->removeButton()->click();
    EXPECT_EQ(history->count(), 2);

    // "..." fills the path; "Update ..." reads the fields and loads the tag.
    insert->browseButton()->click();
    EXPECT_EQ(insert->pathEdit()->text(), "/tags/star.png");
    insert->mixEdit()->setText("50");
    insert->updateButton()->click();
    EXPECT_EQ(tagInsertParams().insertLevel, 127);
    ASSERT_TRUE(preview.insertMode());
    ASSERT_NE(preview.previewTag(), nullptr);
    EXPECT_EQ(preview.previewTag()->width, 21);

    // Enter does nothing in the dialog; "Configuration ..." opens the main window's.
    QTest::keyClick(insert->mixEdit(), Qt::Key_Return);
    EXPECT_TRUE(insert->isVisible());
    insert->configurationButton()->click();
    EXPECT_EQ(host.log.back(), "configuration");

    // The wheel steps the mix by 10 and shows it; the keypad rotates the tag.
    wheel(area, 120);
    EXPECT_EQ(tagInsertParams().insertLevel, 137);
    EXPECT_EQ(insert->mixEdit()->text(), "53");
    keypad(area, Qt::Key_Minus);
    EXPECT_EQ(tagInsertParams().insertAngle, 355);
    EXPECT_EQ(insert->angleEdit()->text(), "355");
    const int turnedWidth = preview.previewTag()->width;
    EXPECT_GT(turnedWidth, 21);
    keypad(area, Qt::Key_Plus);
    keypad(area, Qt::Key_Plus);
    EXPECT_EQ(tagInsertParams().insertAngle, 5);
    QTest::keyClick(area, Qt::Key_Z);
    EXPECT_EQ(tagInsertParams().insertAngle, 0);
    EXPECT_EQ(preview.previewTag()->width, 21);
    keypad(area, Qt::Key_Plus);
    keypad(area, Qt::Key_Plus);
    keypad(area, Qt::Key_Plus);

    // The overlay follows the pointer in all nine copies at the next tick.
    pointAt(preview, QPoint(50, 60));
    preview.tick();
    EXPECT_EQ(preview.display().pixels, expectedDisplay(*host.picture, preview, true).pixels);
    shot(preview, "3-overlay");

    // Clicks stamp one copy each; the first takes the opening's one snapshot.
    PicturePtr expected = copyPicture(host.picture.get());
    const TagImage tag = *preview.previewTag();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(50, 60));
    insertTagAt(*expected, tag.cells(), tag.width, tag.height, 100, 56, tagInsertParams().insertLevel);
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, 34));
    insertTagAt(*expected, tag.cells(), tag.width, tag.height, 10, 4, tagInsertParams().insertLevel);
    EXPECT_EQ(firstDifference(*expected, *host.picture), "");
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "snapshot"), 1);
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "escape information"), 1);
    EXPECT_EQ(firstDifference(original, *host.undo), "");
    EXPECT_EQ(preview.seam().rows.ratio, seamMeasure(*host.picture).rows.ratio);
    EXPECT_EQ(preview.seam().columns.inside, seamMeasure(*host.picture).columns.inside);
    pointAt(preview, QPoint(60, 70));
    preview.tick();
    shot(preview, "4-inserted");

    // Escape leaves insertion mode without closing; the overlay is gone.
    QTest::keyClick(area, Qt::Key_Escape);
    EXPECT_FALSE(preview.insertMode());
    EXPECT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.display().pixels, expectedDisplay(*host.picture, preview, false).pixels);
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(20, 50));
    EXPECT_EQ(firstDifference(*expected, *host.picture), "");

    // Choosing a history entry loads it at once.
    emit history->activated(history->findText("/tags/star.png"));
    EXPECT_TRUE(preview.insertMode());

    // Escape hides the dialog; "Close" closes the preview.
    QTest::keyClick(insert->pathEdit(), Qt::Key_Escape);
    EXPECT_FALSE(insert->isVisible());
    preview.action("Insert Tag ...")->trigger();
    EXPECT_TRUE(insert->isVisible());
    preview.action("Close")->trigger();
    EXPECT_FALSE(preview.isVisible());
    EXPECT_FALSE(insert->isVisible());
}

TEST(PreviewSession, OpenZoomFrameInsertWithWheelAndKeysThenUndo) {
    ensureApplication();
    SettingsGuard guard;
    tagInsertParams() = TagInsertParams();
    FakeTagLibrary::files()["/tags/star.png"] = framedTag(21, 15, 4);
    FakeTagLibrary::files()["/tags/Star-big.png"] = framedTag(30, 30, 9, true);
    const ImageLibrary lib = FakeTagLibrary::library();

    FakePictureHost host;
    host.picture = makePhotoLikePicture(kWidth, kHeight);
    PicturePtr original = copyPicture(host.picture.get());
    int ran = 0;
    runPreviewCommand(host, lib, [&](QDialog& dialog) {
        ++ran;
        session(static_cast<cdpreview&>(dialog), host, *original);
        return 0;
    });
    EXPECT_EQ(ran, 1);
    // The dialog outlives the preview, back under the main window.
    ASSERT_NE(existingTagInsertDialog(), nullptr);
    EXPECT_EQ(existingTagInsertDialog()->parentWidget(), &host.owner);
    EXPECT_EQ(host.log.back(), "refresh");
    // Undo restores the picture from before the opening, all insertions at once.
    EXPECT_EQ(firstDifference(*original, *host.undo), "");
    EXPECT_EQ(tagInsertParams().insertHistory, (std::vector<std::string>{"/tags/star.png", "Browse ..."}));
    EXPECT_EQ(FakeTagLibrary::outstanding(), 0);
}

}  // namespace
