#pragma once
#include <cstdint>

// The settings of the "Sharpen ..." command, kept for the whole run and saved with the
// configuration as 4 bytes.
struct SharpenParams {
    int32_t sharpenPercent = 0; // strength; the dialog accepts 0..100
};
static_assert(sizeof(SharpenParams) == 4, "saved as a 4-byte block");

// The one instance the dialog edits and the configuration saves.
SharpenParams& sharpenParams();
