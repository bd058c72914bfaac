#include "core/paint_settings.h"

namespace {
PaintSettings g_settings;
}

PaintSettings& paintSettings() { return g_settings; }

void resetPaintSettings() { g_settings = PaintSettings{}; }
