// What a desktop user expects of the window beyond the command table: the command
// line, access keys, the status bar, the corner between the bars, scaled screens.
#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include <map>
#include <set>

#include "app/application.h"
#include "app/command_ids.h"
#include "app/picture_view.h"
#include "app/program_arguments.h"
#include "app/status_texts.h"
#include "app/window_placement.h"
#include "window_fixture.h"

namespace {
using Action = ProgramArguments::Action;

// The access key of a menu text: the letter after a single "&", lower case, or 0.
QChar accessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

// Every item of `actions` has an access key and no two share one; submenus too.
void expectDistinctAccessKeys(const QList<QAction*>& actions, const std::string& where) {
    std::map<QChar, std::string> seen;
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        const QChar key = accessKey(a->text());
        EXPECT_FALSE(key.isNull()) << where << ": " << a->text().toStdString() << " has no access key";
        const auto [it, fresh] = seen.emplace(key, a->text().toStdString());
        EXPECT_TRUE(fresh || key.isNull()) << where << ": " << a->text().toStdString() << " and " << it->second;
        if (a->menu()) expectDistinctAccessKeys(a->menu()->actions(), a->text().toStdString());
    }
}
}  // namespace

TEST(ProgramArguments, FilesHelpVersionAndUnknownOptions) {
    struct Case {
        std::vector<std::string> args;
        Action action;
        std::vector<std::string> files;
        std::string unknown;
    };
    const Case cases[] = {
        {{}, Action::Run, {}, ""},
        {{"a.png", "b.jpg"}, Action::Run, {"a.png", "b.jpg"}, ""},
        {{"--help"}, Action::Help, {}, ""},
        {{"-h", "a.png"}, Action::Help, {}, ""},
        {{"a.png", "--version"}, Action::Version, {"a.png"}, ""},
        // Help and version win over an option not understood, wherever they stand.
        {{"--bogus", "--help"}, Action::Help, {}, "--bogus"},
        {{"--bogus", "a.png", "-x"}, Action::UsageError, {"a.png"}, "--bogus"},
        // After "--" everything is a file, and "-" alone is one too.
        {{"--", "--help", "-"}, Action::Run, {"--help", "-"}, ""},
        {{"-"}, Action::Run, {"-"}, ""},
    };
    for (const Case& c : cases) {
        const ProgramArguments parsed = parseProgramArguments(c.args);
        const std::string where = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(parsed.action, c.action) << where;
        if (c.action == Action::Run || c.action == Action::UsageError) EXPECT_EQ(parsed.files, c.files) << where;
        EXPECT_EQ(parsed.unknownOption, c.unknown) << where;
    }
    EXPECT_NE(programHelpText().find("Usage: vospren [FILE]..."), std::string::npos);
    EXPECT_EQ(programVersionText(), "vospren 0.5\n");

    EXPECT_EQ(commandLineFilePath("/tmp/a b.png"), "/tmp/a b.png");
    EXPECT_EQ(commandLineFilePath("file:///tmp/a%20b.png"), "/tmp/a b.png");
    EXPECT_EQ(commandLineFilePath("relative/x.png"), "relative/x.png");
}

TEST(StatusTexts, CountsAndSizesAreGroupedByTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale::c());  // which on its own would not group
    EXPECT_EQ(shapeCountText(1), "1 shape");
    EXPECT_EQ(shapeCountText(0), "0 shapes");
    EXPECT_EQ(shapeCountText(999), "999 shapes");
    EXPECT_EQ(shapeCountText(1234567), "1,234,567 shapes");
    EXPECT_EQ(pictureStatusText(12000, 480, 3), "12,000 x 480 pixels, zoom 1:3");
    EXPECT_EQ(pictureStatusText(0, 480, 1), "");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(shapeCountText(1234567), "1.234.567 shapes");
    QLocale::setDefault(previous);
    EXPECT_EQ(cannotReadText("/tmp/x.png"), "Cannot read /tmp/x.png");
}

TEST(WindowPlacement, FitsTheAvailableArea) {
    const QRect screen(0, 0, 1280, 1000);
    const QMargins frame(4, 30, 4, 4);
    struct Case {
        QRect placement;
        QRect expected;
    };
    const Case cases[] = {
        {{1, 1, 511, 511}, {1, 1, 511, 511}},           // fits: unchanged
        {{1, 1, 5000, 5000}, {0, 0, 1272, 966}},        // too large: the whole area, frame included
        {{1000, 800, 511, 511}, {761, 455, 511, 511}},  // past the right and bottom: moved back
        {{-300, -50, 511, 511}, {0, 0, 511, 511}},      // title bar above the screen: moved down
        {{900, -40, 2000, 300}, {0, 0, 1272, 300}},     // both at once
    };
    for (const Case& c : cases) EXPECT_EQ(fitPlacement(c.placement, screen, frame), c.expected) << c.placement.x();
    // A panel at the top: the area starts below it.
    EXPECT_EQ(fitPlacement({1, 1, 511, 511}, QRect(0, 32, 1280, 968), frame), QRect(1, 32, 511, 511));
    EXPECT_EQ(fitPlacement({1, 1, 511, 511}, QRect(), frame), QRect(1, 1, 511, 511)) << "no screen known";
}

TEST_F(WindowTest, EveryMenuAndItemHasItsOwnAccessKey) {
    expectDistinctAccessKeys(window->menuBar()->actions(), "menu bar");
}

TEST_F(WindowTest, CtrlEqualsZoomsInLikeCtrlPlus) {
    const QList<QKeySequence> keys = window->action(cmd::ZoomIn)->shortcuts();
    EXPECT_TRUE(keys.contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)));
    EXPECT_TRUE(keys.contains(QKeySequence(QKeySequence::ZoomIn)));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    newPicture(32, 32);
    window->runCommand(cmd::ZoomOut);
    window->runCommand(cmd::ZoomOut);
    QTest::keyClick(window.get(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(window->zoom(), 2);
}

TEST_F(WindowTest, StatusBarShowsSizeAndZoomWhileIdle) {
    auto* label = window->statusBar()->findChild<QLabel*>("pictureStatus");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "");
    newPicture(640, 480);
    EXPECT_EQ(label->text(), "640 x 480 pixels, zoom 1:1");
    window->runCommand(cmd::ZoomOut);
    EXPECT_EQ(label->text(), "640 x 480 pixels, zoom 1:2");
    window->runCommand(cmd::Undo);  // no snapshot: no picture left
    EXPECT_EQ(label->text(), "");
}

// At zoom 1 every display pixel lands on one device pixel, whatever the screen's
// scale; ctest runs this once more under QT_SCALE_FACTOR=2. The square between the
// bars shows none of the picture.
TEST_F(WindowTest, HiDpiPixelZoomAndTheCornerBetweenTheBars) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QRect available = window->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window->frameGeometry())) << "the default placement fits the screen";

    PicturePtr red = createPicture(2000, 2000, 0);
    for (int y = 0; y < 2000; ++y)
        for (int x = 0; x < 2000; ++x) storePixel(red.get(), x, y, uint8_t(200 + (x & 1) * 50), uint8_t(y & 1), 0);
    window->replacePicture(std::move(red));
    window->refreshView();
    PictureView* view = window->view();
    const QImage shot = view->grab().toImage();
    const qreal ratio = view->devicePixelRatioF();
    ASSERT_EQ(shot.width(), qRound(view->width() * ratio));
    // A checker of odd and even columns and rows: 1:1 only if no pixel was scaled.
    const QImage& shown = view->displayImage();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(shot.pixel(x, y), shown.pixel(x, y)) << x << "," << y;
    const int bar = view->verticalBar()->width();
    const QPoint corner(qRound((view->width() - bar / 2) * ratio), qRound((view->height() - bar / 2) * ratio));
    EXPECT_NE(qRed(shot.pixel(corner)), 200);
    EXPECT_NE(qRed(shot.pixel(corner)), 250);
}

TEST_F(WindowTest, HiDpiStoredPlacementLargerThanTheScreenIsFitted) {
    {
        QSettings settings(kSettingsOrganization, kSettingsApplication);
        settings.setValue("left", 100);
        settings.setValue("top", 100);
        settings.setValue("right", 6000);
        settings.setValue("bottom", 5000);
    }
    window = std::make_unique<CvosprenDlg>(library);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
        << window->frameGeometry().width() << "x" << window->frameGeometry().height();
}
