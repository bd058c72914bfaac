#include "exchange/ui/dropped_files.h"

#include <QMimeData>

#include "ui/file_chooser.h"
#include "ui/picture_host.h"

bool carriesFiles(const QMimeData* data) {
    if (!data || !data->hasUrls()) return false;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return true;
    }
    return false;
}

ImportOutcome importDroppedFiles(PictureHost& host, const ImageLibrary& lib, const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) return importAndShow(host, lib, pathFromQt(url.toLocalFile()));
    }
    return {};
}
