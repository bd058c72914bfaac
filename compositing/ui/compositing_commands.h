#pragma once

class PictureHost;
struct ImageLibrary;

// Handlers of the Paint menu's compositing commands. Each runs the command's whole
// flow (checks, its single dialog instance, the Escape information, the undo
// snapshot, the operation with live progress, the refresh). Files are read through
// `library` (which may be unloaded: every file then fails to load, with its messages).
void runTagCommand(PictureHost& host, const ImageLibrary& library);        // 32782 "Tag" / "V1 ..."
void runCircleMixCommand(PictureHost& host, const ImageLibrary& library);  // 32802 "Circle Mix" / "V1"
