// Clipboard exchange with other programs on a real X display: a picture copied
// from the window is pasted by another program as image/png and image/bmp, a picture
// another program copies is pasted into the window, and the guided round trip keeps
// serving the clipboard while its message boxes stand. The other program is xclip.
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include "app/command_ids.h"
#include "exchange/dib_codec.h"
#include "exchange/part_clipboard.h"
#include "exchange/ui/clipboard_commands.h"
#include "exchange/ui/clipboard_mime.h"
#include "tests/exchange/exchange_pictures.h"
#include "tests/support/picture_compare.h"
#include "window_fixture.h"

namespace {

constexpr int kTimeoutMs = 20000;

// Spins the event loop, so that our clipboard answers other programs, until `done`
// or the time runs out.
bool spinUntil(const std::function<bool()>& done, int timeoutMs = kTimeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Runs xclip to its end with the event loop turning; its standard output, or
// nothing after a failure (reported to the test).
QByteArray xclipOut(const QString& type) {
    QProcess p;
    p.start("xclip", {"-selection", "clipboard", "-t", type, "-o"});
    const bool ended = spinUntil([&] { return p.state() == QProcess::NotRunning; });
    if (!ended) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "xclip -o " << type.toStdString() << " did not end";
        return {};
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << "xclip -o failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return p.readAllStandardOutput();
}

PicturePtr pictureFromImage(const QImage& image) {
    if (image.isNull()) return nullptr;
    PicturePtr p = createPicture(image.width(), image.height(), 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            storePixel(p.get(), x, y, uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c)));
        }
    return p;
}

QByteArray pngOf(const Picture& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    imageFromPicture(picture).save(&buffer, "PNG");
    return png;
}

class InteropTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under run_under_xvfb.sh";
        ASSERT_FALSE(QStandardPaths::findExecutable("xclip").isEmpty())
            << "xclip is missing: scripts/install-deps.sh installs it";
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override {
        for (auto& server : servers) {
            server->kill();
            server->waitForFinished(5000);
        }
        WindowTest::TearDown();
    }

    // Another program copies `bytes` as `type` and serves them until it loses the
    // clipboard; returns once the window's clipboard sees them offered.
    void otherProgramCopies(const QByteArray& bytes, const QString& type) {
        const QString file = dir.filePath(QString("copy%1").arg(servers.size()));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        auto server = std::make_unique<QProcess>();
        server->start("xclip", {"-quiet", "-selection", "clipboard", "-t", type, "-i", file});
        ASSERT_TRUE(server->waitForStarted(kTimeoutMs));
        servers.push_back(std::move(server));
        QClipboard* clipboard = QApplication::clipboard();
        ASSERT_TRUE(spinUntil([&] {
            const QMimeData* data = clipboard->mimeData();
            return !clipboard->ownsClipboard() && data && data->hasFormat(type);
        })) << "the other program's copy never showed";
    }

    QTemporaryDir dir;
    std::vector<std::unique_ptr<QProcess>> servers;
};

TEST_F(InteropTest, ACopiedPictureIsPastedElsewhereAsPngAndBmp) {
    window->replacePicture(busyPicture(37, 23, 1));
    window->runCommand(cmd::ZoomOut);
    window->runCommand(cmd::ExportClipboard);
    const QByteArray targets = xclipOut("TARGETS");
    EXPECT_TRUE(targets.contains("image/png")) << targets.toStdString();
    EXPECT_TRUE(targets.contains("image/bmp")) << targets.toStdString();

    const QImage png = QImage::fromData(xclipOut("image/png"), "PNG");
    EXPECT_EQ(firstDifference(window->currentPicture(), pictureFromImage(png).get()), "");
    const QByteArray bmp = xclipOut("image/bmp");
    PicturePtr fromBmp;
    EXPECT_EQ(decodeDib(reinterpret_cast<const uint8_t*>(bmp.constData()), size_t(bmp.size()), &fromBmp),
              DibStatus::Ok);
    EXPECT_EQ(firstDifference(window->currentPicture(), fromBmp.get()), "");
}

TEST_F(InteropTest, APictureCopiedElsewhereIsPasted) {
    PicturePtr theirs = busyPicture(45, 31, 2);
    window->replacePicture(busyPicture(8, 8, 3));
    otherProgramCopies(pngOf(*theirs), "image/png");
    window->runCommand(cmd::ImportClipboard);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(firstDifference(theirs.get(), window->currentPicture()), "");

    // A bitmap file from elsewhere goes through the bitmap decoder.
    PicturePtr bitmap = busyPicture(7, 5, 4);
    const std::vector<uint8_t> file = encodeBmpFile(*bitmap, 32);
    otherProgramCopies(QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size())), "image/bmp");
    window->runCommand(cmd::ImportClipboard);
    EXPECT_EQ(firstDifference(bitmap.get(), window->currentPicture()), "");
}

TEST_F(InteropTest, A512ConnectablePictureMakesTheRoundTripThroughAnotherProgram) {
    window->replacePicture(busyPicture(512, 512, 5));
    PicturePtr original = copyPicture(window->currentPicture());
    window->runCommand(cmd::PartExport);
    const QByteArray png = xclipOut("image/png");
    PicturePtr pasted = pictureFromImage(QImage::fromData(png, "PNG"));
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->width, 640);
    EXPECT_EQ(pasted->height, 640);

    window->replacePicture(busyPicture(16, 16, 6));
    otherProgramCopies(png, "image/png");
    window->runCommand(cmd::PartImport);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(firstDifference(original.get(), window->currentPicture()), "");
}

TEST_F(InteropTest, GuidedFilterServesTheClipboardWhileItsBoxesStand) {
    window->replacePicture(busyPicture(96, 64, 7));
    PicturePtr original = copyPicture(window->currentPicture());
    window->qtInteraction().setMessageHook(nullptr);  // the real boxes, with their event loops

    PicturePtr pasted, retouched;
    std::vector<std::string> texts, captions;
    bool busy = false;
    QTimer answerer;
    answerer.setInterval(20);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (busy || !box || !box->isVisible()) return;
        busy = true;
        texts.push_back(box->text().toStdString());
        captions.push_back(box->windowTitle().toStdString());
        if (texts.size() == 1) {
            // While the first box stands: paste elsewhere, retouch, copy back.
            pasted = pictureFromImage(QImage::fromData(xclipOut("image/png"), "PNG"));
            if (pasted) {
                retouched = copyPicture(pasted.get());
                for (int x = 0; x < retouched->width; ++x) storePixel(retouched.get(), x, 20, 255, 0, 0);
                otherProgramCopies(pngOf(*retouched), "image/png");
            }
        }
        box->done(QMessageBox::Ok);
        busy = false;
    });
    answerer.start();
    window->runCommand(cmd::PartFilter);
    answerer.stop();

    EXPECT_EQ(texts, std::vector<std::string>(std::begin(kPartFilterSteps), std::end(kPartFilterSteps)));
    EXPECT_EQ(captions, std::vector<std::string>(3, "vospren"));
    EXPECT_EQ(firstDifference(partExportPicture(*original, true).get(), pasted.get()), "");
    ASSERT_NE(retouched, nullptr);
    PicturePtr expected = partImportCentre(*retouched);
    EXPECT_EQ(firstDifference(expected.get(), window->currentPicture()), "");
    EXPECT_NE(firstDifference(original.get(), window->currentPicture()), "") << "the retouch came through";
}

}  // namespace
