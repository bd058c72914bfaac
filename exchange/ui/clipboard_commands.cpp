#include "exchange/ui/clipboard_commands.h"

#include <QClipboard>
#include <QGuiApplication>

#include <limits>

#include "command/command_texts.h"
#include "core/paint_settings.h"
#include "exchange/dib_codec.h"
#include "exchange/part_clipboard.h"
#include "exchange/ui/clipboard_mime.h"
#include "ui/picture_host.h"

namespace {

void reportNoMemory(PictureHost& host, int64_t width, int64_t height) {
    reportNoMemoryForPicture(host.interaction(), width, height);
}

int32_t clampToInt32(int64_t v) {
    return v > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max() : int32_t(v);
}

void putOnClipboard(const Picture& picture) {
    QGuiApplication::clipboard()->setMimeData(pictureMimeData(picture), QClipboard::Clipboard);
}

void importFromClipboard(PictureHost& host, ClipboardImport kind) {
    const std::vector<uint8_t> bitmap = clipboardBitmap(QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard));
    if (bitmap.empty()) host.showStatus(kClipboardHoldsNoPicture);
    if (PicturePtr picture = pictureFromClipboardBitmap(host, bitmap, kind)) {
        // A wrong paste can be taken back with "Annuler ...".
        host.saveUndoSnapshot();
        host.replacePicture(std::move(picture));
        host.resetView();
    }
    host.refreshView();
}

}  // namespace

PicturePtr pictureFromClipboardBitmap(PictureHost& host, const std::vector<uint8_t>& bitmap, ClipboardImport kind) {
    const DibBytes bytes = dibBytes(bitmap.data(), bitmap.size());
    DibHeader header;
    switch (readDibHeader(bytes, &header)) {
    case DibStatus::Ok:
        break;
    case DibStatus::BadDepth:
        host.interaction().showMessage(kClipboardDepthMessage, kMainCaption, Interaction::Icon::Error);
        return nullptr;
    default:
        return nullptr;
    }

    const int32_t height = clampToInt32(header.height);
    const bool sizeOk = kind == ClipboardImport::Whole
                            ? host.checkPictureSize(header.width, height)
                            : host.checkPictureSize(partImportCheckedSide(header.width), partImportCheckedSide(height));
    if (!sizeOk) return nullptr;

    PicturePtr picture;
    switch (decodeDib(bytes, header, &picture)) {
    case DibStatus::Ok:
        break;
    case DibStatus::NoMemory:
        reportNoMemory(host, header.width, header.height);
        return nullptr;
    default:
        return nullptr;
    }
    if (kind == ClipboardImport::Whole) return picture;

    PicturePtr centre = partImportCentre(*picture);
    if (!centre) reportNoMemory(host, header.width, header.height);
    return centre;
}

void runExportClipboardCommand(PictureHost& host) {
    if (!host.requirePicture()) return;
    putOnClipboard(*host.currentPicture());
}

void runImportClipboardCommand(PictureHost& host) { importFromClipboard(host, ClipboardImport::Whole); }

bool runPartExportCommand(PictureHost& host) {
    if (!host.requirePicture()) return false;
    const Picture& picture = *host.currentPicture();
    PicturePtr enlarged = partExportPicture(picture, paintSettings().connectable != 0);
    if (!enlarged) {
        const PartMargins m = partExportMargins(picture.width, picture.height);
        reportNoMemory(host, int64_t(picture.width) + 2 * m.x, int64_t(picture.height) + 2 * m.y);
        return false;
    }
    putOnClipboard(*enlarged);
    return true;
}

void runPartImportCommand(PictureHost& host) { importFromClipboard(host, ClipboardImport::Part); }

void runPartFilterCommand(PictureHost& host) {
    if (!host.requirePicture()) return;
    if (!runPartExportCommand(host)) return;
    // Each box runs an event loop of its own, so other programs can paste the export
    // and put their result back on the clipboard while it stands.
    for (const char* step : kPartFilterSteps) {
        host.interaction().showMessage(step, kPartFilterCaption, Interaction::Icon::Information);
    }
    runPartImportCommand(host);
}
