#pragma once
#include <QList>
#include <QUrl>

#include "exchange/ui/file_commands.h"

class PictureHost;
class QMimeData;
struct ImageLibrary;

// Whether a drag carries files the window can take.
bool carriesFiles(const QMimeData* data);

// Imports the first dropped local file (the others are ignored) and refreshes the
// view when it loaded. What the library cannot read changes nothing and shows no
// message box; the outcome tells the caller.
ImportOutcome importDroppedFiles(PictureHost& host, const ImageLibrary& lib, const QList<QUrl>& urls);
