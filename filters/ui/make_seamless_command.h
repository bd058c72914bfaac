#pragma once

class PictureHost;

// "Filter ....", "Make Seamless ...": picture and size check, the dialog, the undo
// snapshot, the work (the channels done shown in the status bar when it takes a
// while, Escape stopping it between channels with the picture as it was), the
// refresh. The memory message leaves the picture as it was.
void runMakeSeamlessCommand(PictureHost& host);
