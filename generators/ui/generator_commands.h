#pragma once

class PictureHost;

// Handlers of the Paint menu's generator and color commands. Each runs the
// command's whole flow (checks, its single dialog instance, the operation, refresh).
void runCircleCommand(PictureHost& host);        // 32779 "Circle ..." / "V1 ..."
void runRectangleCommand(PictureHost& host);     // 32780 "Rectangle ..." / "V1 ..."
void runPolygonCommand(PictureHost& host);       // 32790 "Polygone" / "V1"
void runVectorCommand(PictureHost& host);        // 32796 "Vector" / "V1"
void runFillColorCommand(PictureHost& host);     // 32797 "Fill Color ..."
void runBlendColorCommand(PictureHost& host);    // 32806 "Blend Color ..."
void runNoBlendColorCommand(PictureHost& host);  // 32807 "No Blend Color"
void runMixageCommand(PictureHost& host);        // 32803 "Mixage ..."
