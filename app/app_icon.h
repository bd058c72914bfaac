#pragma once
#include <QIcon>

// The window icon: a small tile of overlapping discs, drawn at first use.
QIcon appIcon();
