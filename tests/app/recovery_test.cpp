#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/recovery_files.h"
#include "app/recovery_image.h"
#include "app/recovery_keeper.h"
#include "app/recovery_offer.h"
#include "tests/support/picture_compare.h"
#include "window_fixture.h"

namespace {

namespace fs = std::filesystem;

// The environment variable that turns the child test below on, naming its folder.
constexpr const char* kChildFolder = "VOSPREN_RECOVERY_CHILD_FOLDER";

bool exists(const std::string& path) { return fs::exists(path); }

// Every pixel different, so that any mix-up shows.
PicturePtr patterned(int width, int height) {
    PicturePtr p = createPicture(width, height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) storePixel(p.get(), x, y, uint8_t(x * 5 + y), uint8_t(y * 11), uint8_t(x ^ y));
    return p;
}

// What the offer asked and said.
struct OfferLog {
    std::vector<std::string> asked, told;
    bool restore = true;
    RecoveryPrompt prompt() {
        return {[this](const std::string& when) {
                    asked.push_back(when);
                    return restore;
                },
                [this](const std::string& text) { told.push_back(text); }};
    }
};

// A window whose recovery file lives in a scratch folder and is written soon after a change.
class RecoveryTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        folder = dir.path().toStdString() + "/";
        auto keeper = std::make_unique<RecoveryKeeper>(folder, long(::getpid()));
        keeper->setDelay(20);
        window->keepRecovery(std::move(keeper));
    }
    RecoveryKeeper& keeper() { return *window->recovery(); }
    bool waitForWrite() {
        QSignalSpy spy(&keeper(), &RecoveryKeeper::written);
        return spy.wait(20000);
    }

    QTemporaryDir dir;
    std::string folder;
};

TEST(RecoveryRules, OwnersAreReadOnlyFromRecoveryPictureNames) {
    const struct {
        const char* name;
        long owner;
    } cases[] = {{"recovery-4242.png", 4242},
                 {"recovery-0.png", 0},
                 {"recovery-.png", -1},
                 {"recovery-12.lock", -1},
                 {"recovery-12.png.unreadable", -1},
                 {"recovery-1x.png", -1},
                 {"recovery--3.png", -1},
                 {"main.vscfg", -1},
                 {"recovery-99999999999999999999.png", -1}};
    for (const auto& c : cases) EXPECT_EQ(recoveryOwnerOf(c.name), c.owner) << c.name;
    EXPECT_EQ(recoveryOwnerOf(recoveryPictureName(31337)), 31337);
}

TEST(RecoveryRules, TheMarkerSaysWhetherThisVersionReadsTheFile) {
    const struct {
        const char* value;
        RecoveryMarker judged;
    } cases[] = {{"1", RecoveryMarker::Readable},    {"", RecoveryMarker::Missing},
                 {"2", RecoveryMarker::Newer},       {"4000000000", RecoveryMarker::Newer},
                 {"0", RecoveryMarker::Malformed},   {"-1", RecoveryMarker::Malformed},
                 {"1.5", RecoveryMarker::Malformed}, {"one", RecoveryMarker::Malformed}};
    for (const auto& c : cases) EXPECT_EQ(judgeRecoveryMarker(c.value), c.judged) << c.value;
}

// Only pictures whose owner is gone are offered: a held lock means a running program.
TEST(RecoveryRules, OnlyPicturesOfEndedProgramsAreClaimed) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    for (long owner : {11, 22, 33}) std::ofstream(folder + recoveryPictureName(owner)) << "x";
    std::ofstream(folder + "recovery-44.png.unreadable") << "x";
    RecoveryLock running(folder + recoveryLockName(22));
    RecoveryLock ours(folder + recoveryLockName(33));  // as the caller's keeper holds it
    ASSERT_TRUE(running.held() && ours.held());

    std::vector<long> owners;
    {
        auto claimed = claimOrphanedRecoveries(folder, 33);  // 33: the caller's own number
        for (const auto& c : claimed) owners.push_back(c.owner);
        std::sort(owners.begin(), owners.end());
        EXPECT_EQ(owners, (std::vector<long>{11, 33}));
        // While claimed here, another starting program does not see them.
        EXPECT_TRUE(claimOrphanedRecoveries(folder, 99).empty());
    }
    running.releaseAndRemove();
    ours.releaseAndRemove();
    EXPECT_EQ(claimOrphanedRecoveries(folder, 99).size(), 3u);
}

// Whatever a recovery file holds, the start goes on: it is moved aside with a message.
TEST(RecoveryOffer, UnreadableFilesAreMovedAsideWithAMessage) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    PicturePtr picture = patterned(64, 48);
    RecoveryCopy copy;
    ASSERT_TRUE(copyForRecovery(*picture, copy));
    const std::string written = encodeRecoveryPng(copy);
    ASSERT_FALSE(written.empty());
    const QByteArray good = QByteArray::fromStdString(written);
    const QImage image(picture->pixels, picture->width, picture->height, picture->width * 4, QImage::Format_RGBX8888);
    // A plain picture, and one marked by a later version of the format.
    QByteArray plain, newer;
    for (QByteArray* bytes : {&plain, &newer}) {
        QBuffer buffer(bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (bytes == &newer) writer.setText(kRecoveryMarkerKey, QString::number(kRecoveryFormatVersion + 1));
        ASSERT_TRUE(writer.write(image));
    }
    const struct {
        const char* what;
        QByteArray bytes;
        const char* problem;
    } cases[] = {{"cut short", good.left(good.size() * 2 / 3), "damaged or cut short"},
                 {"text", "not a picture at all", "not a picture"},
                 {"empty", "", "not a picture"},
                 {"plain png", plain, "not a recovery file"},
                 {"newer", newer, "written by a newer version"}};
    for (const auto& c : cases) {
        const std::string path = folder + recoveryPictureName(5);
        {
            QFile file(QString::fromStdString(path));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        }
        OfferLog log;
        EXPECT_EQ(offerRecovery(folder, 1, folder + recoveryPictureName(1), log.prompt()), nullptr) << c.what;
        EXPECT_TRUE(log.asked.empty()) << c.what;
        ASSERT_EQ(log.told.size(), 1u) << c.what;
        EXPECT_NE(log.told[0].find(c.problem), std::string::npos) << c.what << ": " << log.told[0];
        EXPECT_FALSE(exists(path)) << c.what;
        EXPECT_TRUE(exists(path + ".unreadable")) << c.what;
        EXPECT_NE(log.told[0].find(path + ".unreadable"), std::string::npos) << c.what;
        fs::remove(path + ".unreadable");
    }
}

// The unsaved-work path in one window: a change is written soon after, a save
// removes the file, a discarded offer removes it, a restored one comes back whole.
TEST_F(RecoveryTest, AChangeIsKeptUntilSavedAndComesBackAtTheNextStart) {
    ASSERT_TRUE(keeper().active());
    const std::string path = keeper().picturePath();
    EXPECT_EQ(path, folder + recoveryPictureName(::getpid()));
    window->replacePicture(patterned(37, 23));
    window->refreshView();
    ASSERT_TRUE(waitForWrite());
    EXPECT_EQ(keeper().lastError(), "");
    std::string problem;
    PicturePtr kept = readRecoveryPicture(path, &problem);
    ASSERT_TRUE(kept) << problem;
    EXPECT_EQ(firstDifference(*window->currentPicture(), *kept), "");

    keeper().pictureSaved();
    EXPECT_FALSE(exists(path));

    // A change while a write runs is written after it; a save during it wins.
    window->replacePicture(patterned(16, 16));
    ASSERT_TRUE(waitForWrite());
    storePixel(window->currentPicture(), 3, 3, 1, 2, 3);
    window->refreshView();
    ASSERT_TRUE(waitForWrite());
    kept = readRecoveryPicture(path, &problem);
    ASSERT_TRUE(kept) << problem;
    EXPECT_EQ(firstDifference(*window->currentPicture(), *kept), "");

    // The next start of a program that ended here: the file is its own number's,
    // so nobody runs it. Discard removes it; a kept one is restored under our name.
    PicturePtr expected = copyPicture(window->currentPicture());
    const std::string left = folder + recoveryPictureName(7);
    fs::copy_file(path, left);
    OfferLog discard;
    discard.restore = false;
    EXPECT_EQ(offerRecovery(folder, 7, folder + recoveryPictureName(8), discard.prompt()), nullptr);
    EXPECT_EQ(discard.asked.size(), 1u);
    EXPECT_FALSE(exists(left));

    fs::copy_file(path, left);
    OfferLog restore;
    PicturePtr back = offerRecovery(folder, 8, folder + recoveryPictureName(8), restore.prompt());
    ASSERT_TRUE(back);
    EXPECT_EQ(firstDifference(*expected, *back), "");
    EXPECT_FALSE(exists(left));
    EXPECT_TRUE(exists(folder + recoveryPictureName(8))) << "kept under the new owner until it writes its own";
    EXPECT_TRUE(exists(path)) << "the running window's own file is not offered";

    // The window's end is a clean exit: its file and lock go.
    window.reset();
    EXPECT_FALSE(exists(path));
    EXPECT_FALSE(exists(folder + recoveryLockName(::getpid())));
}

// Run by the test below in a process of its own: a window with a change, kept,
// then waiting to be killed.
TEST(RecoveryChild, KeepsAChangeUntilKilled) {
    const QByteArray folder = qgetenv(kChildFolder);
    if (folder.isEmpty()) GTEST_SKIP() << "run by KilledProgramsWorkComesBack";
    ImageLibrary none;
    CvosprenDlg window(none);
    auto keeper = std::make_unique<RecoveryKeeper>(folder.toStdString(), long(::getpid()));
    keeper->setDelay(50);
    window.keepRecovery(std::move(keeper));
    window.replacePicture(patterned(29, 31));
    window.refreshView();
    QSignalSpy spy(window.recovery(), &RecoveryKeeper::written);
    ASSERT_TRUE(spy.wait(60000));
    std::ofstream(folder.toStdString() + "/written") << "1";
    QTest::qWait(120000);
    FAIL() << "not killed";
}

// A real SIGKILL right after a change: the next start offers the change back. While
// the killed program still ran, its file was not offered to another.
TEST(RecoveryOffer, KilledProgramsWorkComesBack) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildFolder, dir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QString::fromStdString(fs::read_symlink("/proc/self/exe").string()),
                {"--gtest_filter=RecoveryChild.KeepsAChangeUntilKilled"});
    ASSERT_TRUE(child.waitForStarted());
    for (int i = 0; i < 1200 && !exists(folder + "/written"); ++i) QTest::qWait(100);
    ASSERT_TRUE(exists(folder + "/written"));
    OfferLog log;
    EXPECT_EQ(offerRecovery(folder, ::getpid(), folder + "/" + recoveryPictureName(::getpid()), log.prompt()), nullptr);
    EXPECT_TRUE(log.asked.empty()) << "a running program's file is its own";

    ASSERT_EQ(::kill(pid_t(child.processId()), SIGKILL), 0);
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    PicturePtr back = offerRecovery(folder, ::getpid(), folder + "/" + recoveryPictureName(::getpid()), log.prompt());
    ASSERT_TRUE(back);
    EXPECT_EQ(log.asked.size(), 1u);
    PicturePtr expected = patterned(29, 31);
    EXPECT_EQ(firstDifference(*expected, *back), "");
}

}  // namespace
