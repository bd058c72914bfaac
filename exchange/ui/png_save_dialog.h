#pragma once
#include <QString>

#include "exchange/png_compression.h"

class QWidget;

// The PNG compression kept in the program's settings (as "fast" or "small"); Fast
// when none is kept.
PngCompression storedPngCompression();
void storePngCompression(PngCompression compression);

// The save dialog of the Export command, as QFileDialog::getSaveFileName shows it
// (overwriting asks first, no default extension; `path` the name to start from,
// `selectedFilter` in and out), with the choice of PNG compression, "Fast" or
// "Small", below the file type. The choice starts from the settings; on OK it is
// kept there and becomes pngCompression(). Empty when cancelled.
QString getSaveFileNameWithPngOption(QWidget* parent, const QString& path, const QString& filter,
                                     QString* selectedFilter);
