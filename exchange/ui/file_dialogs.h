#pragma once
#include <QStringList>

#include "ui/file_chooser.h"

class QWidget;

// The window's dialog for one name (a request's `dialog`): the filter PNG first
// (pngFirst); overwriting asks first; no default extension, except for a filter of
// one kind of file (a configuration), whose extension a bare name gets; a picture is
// saved through the dialog with the PNG option.
QStringList runWindowFileDialog(QWidget* parent, const FileRequest& request);
