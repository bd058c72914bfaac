#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/picture.h"

class PictureHost;

// The clipboard commands of the main window. Exports put the picture on the
// desktop's clipboard (as an image and as image/bmp); imports read the bitmap found
// there into a new current picture, after an undo snapshot, and show it at zoom 1
// from its top-left corner. The clipboard goes on serving other programs while the
// window's event loop runs, the guided filter's message boxes included.

// Caption and texts of the guided filter's three steps, in the order shown.
inline constexpr const char* kPartFilterCaption = "vospren";
inline constexpr const char* kPartFilterSteps[3] = {
    "You pasted picture from clipboard to another picture utility (Ex photoshop,gimg)",
    "You work picture since another picture utility",
    "You copy picture to clipboard (Copy menu)",
};

// "File", "Export", "Clipboard": the picture itself, at its full size whatever the zoom.
void runExportClipboardCommand(PictureHost& host);
// "File", "Import", "Clipboard".
void runImportClipboardCommand(PictureHost& host);
// "Part.ClipBoard", "Export": the picture with its margins. False when nothing was
// put on the clipboard (the reason has been shown).
bool runPartExportCommand(PictureHost& host);
// "Part.ClipBoard", "Import": the centre of the clipboard's bitmap.
void runPartImportCommand(PictureHost& host);
// "Part.ClipBoard", "Export/import filter ...": export, three steps for the user to
// retouch the picture elsewhere, import.
void runPartFilterCommand(PictureHost& host);

// An import from a clipboard that holds no picture says so in the status bar.
inline constexpr const char* kClipboardHoldsNoPicture = "The clipboard holds no picture";

enum class ClipboardImport { Whole, Part };

// The picture an import makes of a clipboard bitmap (a bare bitmap or a bitmap
// file), or null after the reason was shown: the depth message, the minimum-size
// message (checked on the size the picture will have), or nothing for data that is
// no bitmap or that a lying header leaves short.
PicturePtr pictureFromClipboardBitmap(PictureHost& host, const std::vector<uint8_t>& bitmap, ClipboardImport kind);
