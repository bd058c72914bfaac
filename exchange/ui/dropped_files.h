#pragma once
#include <QList>
#include <QUrl>

class PictureHost;
class QMimeData;
struct ImageLibrary;

// Whether a drag carries files the window can take.
bool carriesFiles(const QMimeData* data);

// Imports the first dropped local file (the others are ignored) and refreshes the
// view when it loaded. What the library cannot read is ignored silently.
bool importDroppedFiles(PictureHost& host, const ImageLibrary& lib, const QList<QUrl>& urls);
