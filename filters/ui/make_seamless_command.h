#pragma once

class PictureHost;

// "Filter ....", "Make Seamless ...": the standard flow through the command runner,
// the channels done shown in the status bar when the work takes a while, Escape
// stopping it between channels with the picture as it was; the runner's memory
// message leaves the picture as it was too.
void runMakeSeamlessCommand(PictureHost& host);
