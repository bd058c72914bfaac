#pragma once
#include <QRect>

// The main window's rectangle kept between runs as "left", "top", "right", "bottom".
// A missing or zero left or top counts as 1, a missing or zero right or bottom as
// 512; a stored rectangle with no area, or wider or taller than any screen, falls
// back to the default size.
QRect readWindowPlacement();
void storeWindowPlacement(const QRect& rect);
