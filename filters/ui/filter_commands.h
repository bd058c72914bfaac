#pragma once

class PictureHost;

// Handlers of the "Filter ...." menu.
void runNoiseCommand(PictureHost& host);              // 32804 "Noise ..."
void runSharpenCommand(PictureHost& host);            // 32828 "Sharpen ..."
void runRenderConnectableCommand(PictureHost& host);  // 32826 "Render Connectable ..."
