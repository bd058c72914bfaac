#pragma once
#include <QColor>

class QScrollBar;
class QWheelEvent;
class QWidget;

// What the picture views (the main window's and the preview's) do with the wheel and
// what they show around a picture.

// Scrolls with the wheel: down and up move the vertical bar, Shift or a sideways
// wheel the horizontal one, by the desktop's lines per notch, kViewWheelLine view
// pixels a line. A hidden bar (the picture fits that way) does not move. Returns
// whether a bar moved: false for Ctrl, for no motion and where nothing can scroll.
bool scrollViewByWheel(const QWheelEvent& event, QScrollBar* horizontal, QScrollBar* vertical);

inline constexpr int kViewWheelLine = 16;

// Whole notches of a Ctrl+wheel turn: positive away from the user. Touch pads deliver
// fractions of a notch; they are gathered in `pending` until a notch is complete.
int wheelNotches(const QWheelEvent& event, int& pending);

// The style's background around and beside a picture: between its dark shade and its
// shadow.
QColor viewSurroundColor(const QWidget& view);
