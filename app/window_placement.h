#pragma once
#include <QMargins>
#include <QRect>

class QWidget;

// The main window's rectangle kept between runs as "left", "top", "right", "bottom".
// A missing or zero left or top counts as 1, a missing or zero right or bottom as
// 512; a stored rectangle with no area, or wider or taller than any screen, falls
// back to the default size.
QRect readWindowPlacement();
void storeWindowPlacement(const QRect& rect);

// Fits a placement (top-left of the frame, inside size) into `available`, the
// screen's area free of panels: the inside shrinks until the frame fits, then the
// window moves so that it lies wholly inside, title bar first.
QRect fitPlacement(const QRect& placement, const QRect& available, const QMargins& frame);

// The window's frame as the window manager draws it; before the window is first
// shown it is not known, and a typical frame with its title bar stands in.
QMargins expectedFrame(const QWidget& window);
