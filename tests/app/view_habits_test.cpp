// The main window's view: the surround of a zoomed-out picture, the bars only when
// needed, the wheel scrolling and Ctrl+wheel zooming about the pointer.
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "app/command_ids.h"
#include "app/picture_view.h"
#include "tests/app/window_fixture.h"
#include "ui/view_wheel.h"

namespace {

void turnWheel(QWidget* target, QPoint at, QPoint delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), delta, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void shot(QWidget& widget, const char* name) {
    const QByteArray dir = qgetenv("VOSPREN_SHOT_DIR");
    if (!dir.isEmpty()) widget.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

TEST_F(WindowTest, ViewSurroundBarsAndWheel) {
    window->resize(500, 400);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->replacePicture(patternedPicture(300, 200));
    window->refreshView();
    PictureView* view = window->view();
    const QColor surround = viewSurroundColor(*view);

    // Fits at zoom 1 and zoomed out: no bars, the surround beyond the zoomed cells.
    struct Step {
        int zoomOuts;
        QPoint inside, outside;
    };
    for (const Step& s : {Step{0, {290, 190}, {320, 210}}, Step{2, {90, 60}, {120, 80}}}) {
        for (int i = 0; i < s.zoomOuts; ++i) window->runCommand(cmd::ZoomOut);
        EXPECT_TRUE(view->horizontalBar()->isHidden());
        EXPECT_TRUE(view->verticalBar()->isHidden());
        const QImage shown = view->grab().toImage();
        EXPECT_EQ(shown.pixelColor(s.outside), surround) << s.zoomOuts;
        EXPECT_NE(shown.pixelColor(s.inside), surround) << s.zoomOuts;
    }
    shot(*view, "view-zoomed-out");

    // Larger than the view: both bars, the wheel moves them, Shift sideways.
    window->runCommand(cmd::ZoomPixel);
    window->replacePicture(patternedPicture(1200, 900));
    window->refreshView();
    EXPECT_FALSE(view->horizontalBar()->isHidden());
    EXPECT_FALSE(view->verticalBar()->isHidden());
    turnWheel(view, QPoint(50, 50), QPoint(0, -120), Qt::NoModifier);
    EXPECT_GT(view->scrollY(), 0);
    EXPECT_EQ(view->scrollX(), 0);
    turnWheel(view, QPoint(50, 50), QPoint(0, -120), Qt::ShiftModifier);
    EXPECT_GT(view->scrollX(), 0);
    shot(*view, "view-scrolled");

    // Ctrl+wheel towards the user zooms out one step about the pointer: the picture
    // point under it stays under it (to a zoom cell).
    view->setScroll(300, 200);
    const QPoint pointer(100, 80);
    const QPoint before = (pointer + QPoint(view->scrollX(), view->scrollY())) * window->zoom();
    turnWheel(view, pointer, QPoint(0, -120), Qt::ControlModifier);
    EXPECT_EQ(window->zoom(), 2);
    const QPoint after = (pointer + QPoint(view->scrollX(), view->scrollY())) * window->zoom();
    EXPECT_LE((after - before).manhattanLength(), 2 * window->zoom());
    turnWheel(view, pointer, QPoint(0, 120), Qt::ControlModifier);
    EXPECT_EQ(window->zoom(), 1);
}

}  // namespace
