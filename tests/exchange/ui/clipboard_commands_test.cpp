// The clipboard commands through the window, on the platform's own clipboard: what
// the exports offer, what the imports make of bitmaps and images, the messages and
// the undo snapshot, and the guided round trip.
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>

#include <climits>
#include <cstring>

#include "app/command_ids.h"
#include "app/picture_view.h"
#include "core/picture_checks.h"
#include "exchange/dib_codec.h"
#include "exchange/part_clipboard.h"
#include "exchange/ui/clipboard_commands.h"
#include "exchange/ui/clipboard_mime.h"
#include "tests/app/window_fixture.h"
#include "tests/exchange/exchange_pictures.h"
#include "tests/support/picture_compare.h"

namespace {

QByteArray asBytes(const std::vector<uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

void offerBitmap(const std::vector<uint8_t>& bitmap) {
    auto* data = new QMimeData;
    data->setData(kBmpMimeType, asBytes(bitmap));
    QApplication::clipboard()->setMimeData(data);
}

PicturePtr clipboardPicture() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return nullptr;
    const QByteArray bmp = data->data(kBmpMimeType);
    PicturePtr picture;
    decodeDib(reinterpret_cast<const uint8_t*>(bmp.constData()), size_t(bmp.size()), &picture);
    return picture;
}

// The picture's pixels read back from an image, which must be opaque.
PicturePtr pictureFromImage(const QImage& image) {
    PicturePtr p = createPicture(image.width(), image.height(), 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) != 255) return nullptr;
            storePixel(p.get(), x, y, uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c)));
        }
    }
    return p;
}

class ClipboardTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QApplication::clipboard()->clear();
    }
    void TearDown() override {
        QApplication::clipboard()->clear();
        WindowTest::TearDown();
    }
};

TEST_F(ClipboardTest, ExportsNeedAPicture) {
    for (int id : {cmd::ExportClipboard, cmd::PartExport, cmd::PartFilter}) {
        messages.clear();
        window->runCommand(id);
        EXPECT_EQ(messages, std::vector<std::string>{kNoPictureMessage}) << id;
    }
    window->replacePicture(busyPicture(3, 8));
    messages.clear();
    window->runCommand(cmd::PartExport);
    EXPECT_EQ(messages, std::vector<std::string>{kMinimumSizeMessage});
    const QMimeData* left = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(!left || left->formats().isEmpty()) << "nothing was put on the clipboard";
}

TEST_F(ClipboardTest, ExportIsThePictureItselfWhateverTheZoom) {
    window->replacePicture(busyPicture(13, 9));
    window->runCommand(cmd::ZoomOut);
    window->runCommand(cmd::ZoomOut);
    ASSERT_EQ(window->zoom(), 3);
    window->runCommand(cmd::ExportClipboard);
    EXPECT_TRUE(messages.empty());

    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(firstDifference(window->currentPicture(), pictureFromImage(image).get()), "");
    const QByteArray bmp = data->data(kBmpMimeType);
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(bmp[28], 24) << "a 24-bit bitmap";
    EXPECT_EQ(firstDifference(window->currentPicture(), clipboardPicture().get()), "");
    EXPECT_EQ(window->zoom(), 3) << "the export leaves the view alone";
}

TEST_F(ClipboardTest, ImportReadsBitmapsOfEveryKindUndoablyAndShowsThemFromTheCorner) {
    PicturePtr source = busyPicture(7, 5, 11);
    std::vector<uint8_t> alphaNoise = encodeDib(*source, 32);
    for (size_t i = 40 + 3; i < alphaNoise.size(); i += 4) alphaNoise[i] = uint8_t(i * 37);
    const QImage rgb32 = imageFromPicture(*source);
    const struct {
        const char* name;
        std::vector<uint8_t> bitmap;
    } cases[] = {
        {"24 bits, width 7", encodeDib(*source, 24)},
        {"32 bits, fourth byte anything", alphaNoise},
        {"bitmap file", encodeBmpFile(*source, 24)},
        {"top-down", encodeTopDownDib32(7, 5, rgb32.constBits(), size_t(rgb32.bytesPerLine()))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        window->replacePicture(busyPicture(20, 30, 2));
        PicturePtr before = copyPicture(window->currentPicture());
        window->runCommand(cmd::ZoomOut);
        window->view()->setScroll(6, 9);
        offerBitmap(c.bitmap);
        window->runCommand(cmd::ImportClipboard);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(firstDifference(source.get(), window->currentPicture()), "");
        EXPECT_EQ(window->zoom(), 1);
        EXPECT_EQ(window->view()->scrollX(), 0);
        EXPECT_EQ(window->view()->scrollY(), 0);
        EXPECT_EQ(window->view()->displayImage().height(), 5);
        window->runCommand(cmd::Undo);
        EXPECT_EQ(firstDifference(before.get(), window->currentPicture()), "") << "a wrong paste can be undone";
    }
}

TEST_F(ClipboardTest, ImportTakesAnyImageQtCanRead) {
    QImage argb(6, 4, QImage::Format_ARGB32);
    QImage indexed(5, 5, QImage::Format_Indexed8);
    indexed.setColorCount(3);
    indexed.setColor(0, qRgb(255, 0, 0));
    indexed.setColor(1, qRgb(0, 128, 0));
    indexed.setColor(2, qRgb(1, 2, 3));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            if (y < 4) argb.setPixel(x, y, qRgba(x * 40, y * 60, 200, 255));
            if (x < 5) indexed.setPixel(x, y, uint((x + y) % 3));
        }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    argb.save(&buffer, "PNG");

    const struct {
        const char* name;
        QImage expected;
        std::function<QMimeData*()> offer;
    } cases[] = {
        {"32-bit image with alpha", argb,
         [&] {
             auto* d = new QMimeData;
             d->setImageData(argb);
             return d;
         }},
        {"indexed image", indexed,
         [&] {
             auto* d = new QMimeData;
             d->setImageData(indexed);
             return d;
         }},
        {"encoded PNG under its own type", argb,
         [&] {
             auto* d = new QMimeData;
             d->setData("image/png", png);
             return d;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QApplication::clipboard()->setMimeData(c.offer());
        window->runCommand(cmd::ImportClipboard);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(firstDifference(pictureFromImage(c.expected).get(), window->currentPicture()), "");
    }
}

TEST_F(ClipboardTest, BadClipboardContentsChangeNothingAndSayWhatThePartSays) {
    auto bits16 = encodeDib(*busyPicture(8, 8), 24);
    bits16[14] = 16;
    auto truncated = encodeDib(*busyPicture(8, 8), 24);
    truncated.resize(truncated.size() - 30);
    auto heightMin = encodeDib(*busyPicture(8, 8), 24);
    std::memcpy(&heightMin[8], "\0\0\0\x80", 4);
    auto junk = std::vector<uint8_t>{'n', 'o', 't', ' ', 'a', ' ', 'b', 'i', 't', 'm', 'a', 'p'};
    const std::vector<std::string> none;
    const struct {
        const char* name;
        int command;
        std::vector<uint8_t> bitmap;  // empty: nothing on the clipboard
        std::vector<std::string> expected;
    } cases[] = {
        {"16 bits", cmd::ImportClipboard, bits16, {kClipboardDepthMessage}},
        {"16 bits, part", cmd::PartImport, bits16, {kClipboardDepthMessage}},
        {"2 x 2", cmd::ImportClipboard, encodeDib(*busyPicture(2, 2)), {kMinimumSizeMessage}},
        {"4 x 9, part: checked as 3 x 7", cmd::PartImport, encodeDib(*busyPicture(4, 9)), {kMinimumSizeMessage}},
        {"truncated rows", cmd::ImportClipboard, truncated, none},
        {"height INT_MIN", cmd::PartImport, heightMin, none},
        {"not a bitmap", cmd::ImportClipboard, junk, none},
        {"empty clipboard", cmd::ImportClipboard, {}, none},
        {"empty clipboard, part", cmd::PartImport, {}, none},
    };
    window->replacePicture(busyPicture(12, 12));
    Picture* const current = window->currentPicture();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        QApplication::clipboard()->clear();
        if (!c.bitmap.empty()) offerBitmap(c.bitmap);
        window->view()->setDisplayImage(QImage());
        window->runCommand(c.command);
        EXPECT_EQ(messages, c.expected);
        EXPECT_EQ(window->currentPicture(), current);
        EXPECT_EQ(window->undoSnapshot(), nullptr);
        EXPECT_FALSE(window->view()->displayImage().isNull()) << "the view is redrawn";
    }
    // Five columns, checked as four, are enough for the part import.
    offerBitmap(encodeDib(*busyPicture(5, 5)));
    messages.clear();
    window->runCommand(cmd::PartImport);
    EXPECT_TRUE(messages.empty());
    ASSERT_NE(window->currentPicture(), current);
    EXPECT_EQ(window->currentPicture()->width, 5);
}

TEST_F(ClipboardTest, PartRoundTripGivesTheConnectablePictureBack) {
    window->replacePicture(busyPicture(512, 512, 4));
    PicturePtr original = copyPicture(window->currentPicture());
    window->runCommand(cmd::PartExport);
    PicturePtr exported = clipboardPicture();
    ASSERT_NE(exported, nullptr);
    EXPECT_EQ(exported->width, 640);
    EXPECT_EQ(exported->height, 640);
    EXPECT_EQ(firstDifference(partExportPicture(*original, true).get(), exported.get()), "");

    window->replacePicture(busyPicture(20, 20, 5));
    window->runCommand(cmd::ZoomOut);
    window->runCommand(cmd::PartImport);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(firstDifference(original.get(), window->currentPicture()), "");
    EXPECT_EQ(window->zoom(), 1);
    window->runCommand(cmd::Undo);
    EXPECT_EQ(window->currentPicture()->width, 20);

    // Clipped, the margins repeat the color read last instead of wrapping.
    paintSettings().connectable = 0;
    window->replacePicture(copyPicture(original.get()));
    window->runCommand(cmd::PartExport);
    EXPECT_EQ(firstDifference(partExportPicture(*original, false).get(), clipboardPicture().get()), "");
}

TEST_F(ClipboardTest, GuidedFilterWaitsThreeStepsForAnotherProgramsCopy) {
    window->replacePicture(busyPicture(64, 40, 6));
    PicturePtr original = copyPicture(window->currentPicture());
    PicturePtr retouched = busyPicture(80, 50, 7);  // what the other program copies back
    struct Shown {
        std::string text, caption;
        Interaction::Icon icon;
    };
    std::vector<Shown> shown;
    PicturePtr offered;
    window->qtInteraction().setMessageHook(
        [&](const std::string& text, const std::string& caption, Interaction::Icon icon) {
            shown.push_back({text, caption, icon});
            if (shown.size() == 1) offered = clipboardPicture();
            if (shown.size() == 2) {
                // Another program copies its result, as an image only.
                auto* data = new QMimeData;
                data->setImageData(imageFromPicture(*retouched));
                QApplication::clipboard()->setMimeData(data);
            }
        });
    window->runCommand(cmd::PartFilter);

    ASSERT_EQ(shown.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(shown[i].text, kPartFilterSteps[i]);
        EXPECT_EQ(shown[i].caption, "vospren");
        EXPECT_EQ(shown[i].icon, Interaction::Icon::Information);
    }
    EXPECT_EQ(firstDifference(partExportPicture(*original, true).get(), offered.get()), "");
    EXPECT_EQ(firstDifference(partImportCentre(*retouched).get(), window->currentPicture()), "");
    window->runCommand(cmd::Undo);
    EXPECT_EQ(firstDifference(original.get(), window->currentPicture()), "");
}

}  // namespace
