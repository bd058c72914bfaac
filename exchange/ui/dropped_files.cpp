#include "exchange/ui/dropped_files.h"

#include <QMimeData>

#include "ui/picture_host.h"
#include "exchange/ui/file_commands.h"

bool carriesFiles(const QMimeData* data) {
    if (!data || !data->hasUrls()) return false;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return true;
    }
    return false;
}

bool importDroppedFiles(PictureHost& host, const ImageLibrary& lib, const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const bool loaded = importPictureFile(host, lib, url.toLocalFile().toLocal8Bit().toStdString());
        if (loaded) host.refreshView();
        return loaded;
    }
    return false;
}
