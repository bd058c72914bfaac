#include "ui/view_wheel.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

bool scrollBy(QScrollBar* bar, int eighthsOfDegree) {
    if (!bar || bar->isHidden() || eighthsOfDegree == 0) return false;
    // 120 eighths of a degree make one notch of a common wheel.
    const int pixels = eighthsOfDegree * QApplication::wheelScrollLines() * kViewWheelLine / 120;
    bar->setValue(bar->value() - (pixels != 0 ? pixels : (eighthsOfDegree > 0 ? 1 : -1)));
    return true;
}

}  // namespace

bool scrollViewByWheel(const QWheelEvent& event, QScrollBar* horizontal, QScrollBar* vertical) {
    if (event.modifiers() & Qt::ControlModifier) return false;
    QPoint delta = event.angleDelta();
    if (delta.isNull()) return false;
    // Shift turns the vertical wheel sideways (some systems already deliver it as x).
    if ((event.modifiers() & Qt::ShiftModifier) && delta.x() == 0) delta = QPoint(delta.y(), 0);
    const bool sideways = scrollBy(horizontal, delta.x());
    const bool upDown = scrollBy(vertical, delta.y());
    return sideways || upDown;
}

int wheelNotches(const QWheelEvent& event, int& pending) {
    pending += event.angleDelta().y();
    const int notches = pending / 120;
    pending -= notches * 120;
    return notches;
}

// Halfway from the style's dark shade to its shadow: some styles' dark shade is a
// middle grey, which a picture's light edges would hardly stand out from.
QColor viewSurroundColor(const QWidget& view) {
    const QColor dark = view.palette().color(QPalette::Dark);
    const QColor shadow = view.palette().color(QPalette::Shadow);
    return QColor((dark.red() + shadow.red()) / 2, (dark.green() + shadow.green()) / 2,
                  (dark.blue() + shadow.blue()) / 2);
}
