#pragma once
#include <QByteArray>
#include <QIcon>
#include <QImage>

// The application icon: a small tile of overlapping discs that wrap around its
// edges, as on a connectable picture. One drawing serves the window icon and the
// icon theme's files, so the two always agree.

// The window icon, drawn at first use.
QIcon appIcon();

// The icon as a square picture of `size` pixels.
QImage appIconImage(int size);

// The same drawing as SVG, for the scalable icon of the theme.
QByteArray appIconSvg();
