// Every dialog, filled with values away from its defaults, drawn and compared pixel
// for pixel with the picture kept under tests/app/dialog_pictures/. Run with
// VOSPREN_WRITE_DIALOG_PICTURES=1 to write the pictures anew (after a deliberate
// change of a dialog's look).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "app/configuration_dialog.h"
#include "app/new_picture_dialog.h"
#include "compositing/ui/circle_mix_dialog.h"
#include "compositing/ui/tag_dialog.h"
#include "compositing/ui/tag_insert_dialog.h"
#include "core/paint_settings.h"
#include "filters/ui/noise_dialog.h"
#include "filters/ui/sharpen_dialog.h"
#include "generators/ui/circle_dialog.h"
#include "generators/ui/mix_dialog.h"
#include "generators/ui/number_dialog.h"
#include "generators/ui/polygon_dialog.h"
#include "generators/ui/rectangle_dialog.h"
#include "generators/ui/vector_dialog.h"
#include "params/parameter_blocks.h"
#include "tests/support/modal_driver.h"

namespace {

QString picturePath(const std::string& name) {
    return QStringLiteral(VOSPREN_TEST_SOURCE_DIR "/tests/app/dialog_pictures/") + QString::fromStdString(name) +
           QStringLiteral(".png");
}

// Drawn once the dialog is the active window, so that the focus frame shows.
QImage grabActive(QDialog& dialog) {
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QApplication::processEvents();
    return dialog.grab().toImage();
}

// A dialog with a run() that shows its block: drawn while it sits in exec().
template <class Dialog>
QImage grabWhileRunning(Dialog& dialog) {
    QImage shot;
    ModalDriver driver([&](QDialog& d) {
        shot = grabActive(d);
        d.reject();
    });
    dialog.run();
    return shot;
}

// A dialog filled by other means: shown, laid out, drawn.
QImage grabShown(QDialog& dialog) {
    dialog.show();
    QImage shot = grabActive(dialog);
    dialog.hide();
    return shot;
}

struct DialogCase {
    std::string name;
    std::function<QImage()> draw;
};

// Files the lists name, present in the current folder so that no entry is marked.
void makeListedFiles() {
    for (const char* name : {"a.png", "b.bmp", "c.jpg"}) {
        QFile file(QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
}

std::vector<DialogCase> dialogCases() {
    return {
        {"circle",
         [] {
             CircleParams p{-3, 1000, 77};
             ccdcirclev1 d(p);
             return grabWhileRunning(d);
         }},
        {"rectangle",
         [] {
             RectangleParams p{6, 7, 8, 9, -10};
             ccdrectv1 d(p);
             return grabWhileRunning(d);
         }},
        {"polygon",
         [] {
             PolygonParams p{1, 2, 3, 4, 5, 1, {}};
             CTPoly d(p);
             return grabWhileRunning(d);
         }},
        {"vector",
         [] {
             VectorParams p{11, 12, 13, 14, 15, 1, {}};
             cdvector d(p);
             return grabWhileRunning(d);
         }},
        {"mix",
         [] {
             PaintSettings s;
             s.mixFromPercent = 20;
             s.mixToPercent = 75;
             cdpercentmix d(s);
             return grabWhileRunning(d);
         }},
        {"number",
         [] {
             cdsaisit d;
             d.findChild<QLineEdit*>(QStringLiteral("edit1003"))->setText(QStringLiteral("4096"));
             return grabShown(d);
         }},
        {"noise",
         [] {
             NoiseParams p{1, 33, {}, 4444};
             cdfilternoise d(p);
             return grabWhileRunning(d);
         }},
        {"sharpen",
         [] {
             SharpenParams p{42};
             cdsharpen d(p);
             return grabWhileRunning(d);
         }},
        {"tag",
         [] {
             TagParams p;
             p.tagCount = 123;
             p.tagRotation = 1;
             p.tagFiles = {"b.bmp", "a.png"};
             cdtagpng d(p);
             return grabWhileRunning(d);
         }},
        {"circle_mix",
         [] {
             CircleMixParams p;
             static_cast<StoredCircleMix&>(p) = {16, 17, 18, 19, 20, 21, 22, 1, 1, {}};
             p.mixFiles = {"c.jpg", "a.png"};
             cdmixcircle d(p);
             return grabWhileRunning(d);
         }},
        {"configuration",
         [] {
             configParams() = {0x00336699, 44, 55};
             paintSettings().connectable = 0;
             paintSettings().rotationAntiAlias = 1;
             CDConfig d;
             d.loadControls();
             return grabShown(d);
         }},
        {"configuration_no_blend_color",
         [] {
             configParams() = {PaintSettings::kNoBlendColor, 0, 255};
             paintSettings().connectable = 1;
             paintSettings().rotationAntiAlias = 0;
             CDConfig d;
             d.loadControls();
             return grabShown(d);
         }},
        {"new_picture",
         [] {
             newPictureParams() = {640, 48, 0};
             cdinitimg d;
             d.loadControls();
             return grabShown(d);
         }},
        {"tag_insert",
         [] {
             TagInsertParams& p = tagInsertParams();
             std::strcpy(p.insertFile, "a.png");
             p.insertAngle = 45;
             p.insertAntiAlias = 1;
             p.insertLevel = 128;
             p.insertHistory = {"a.png", "b.bmp"};
             cmodlesstaginsert d;
             d.fillInsertDialog();
             return grabShown(d);
         }},
    };
}

// The first pixel where the two differ, as text; empty when they are the same.
std::string firstDifferentPixel(const QImage& got, const QImage& want) {
    if (got.size() != want.size()) {
        return "size " + std::to_string(got.width()) + "x" + std::to_string(got.height()) + ", expected " +
               std::to_string(want.width()) + "x" + std::to_string(want.height());
    }
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y)) return "pixel " + std::to_string(x) + "," + std::to_string(y);
    return {};
}

TEST(DialogPictures, EveryFilledDialogLooksAsBefore) {
    // A steady cursor, so that a blink cannot change the picture.
    QApplication::setCursorFlashTime(0);
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    makeListedFiles();
    const bool write = qEnvironmentVariableIsSet("VOSPREN_WRITE_DIALOG_PICTURES");
    for (const DialogCase& c : dialogCases()) {
        SCOPED_TRACE(c.name);
        const QImage got = c.draw().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(got.isNull());
        if (write) {
            EXPECT_TRUE(got.save(picturePath(c.name)));
            continue;
        }
        const QImage want = QImage(picturePath(c.name)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(want.isNull()) << "no picture " << picturePath(c.name).toStdString();
        EXPECT_EQ(firstDifferentPixel(got, want), "");
    }
    resetParameterBlocks();
    resetPaintSettings();
    QDir::setCurrent(before);
}

}  // namespace
