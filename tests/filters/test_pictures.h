#pragma once
#include <cstdint>
#include <functional>

#include "core/picture.h"

// Pictures and helpers the filter tests share.

// A busy picture: every channel of every pixel a hash of (x, y, salt), so that any
// misplaced read or write shows.
PicturePtr makeBusyPicture(int32_t width, int32_t height, uint32_t salt);

// A photograph-like picture: smooth gradients and waves across the whole picture, so
// its opposite edges differ, with a little grain.
PicturePtr makePhotoLikePicture(int32_t width, int32_t height);

// Runs `check(wide)` with the baseline passes and again with the wide ones (the same
// baseline passes on a processor without them).
void inBothWidths(const std::function<void(bool wide)>& check);

// Puts the process-wide paint settings back to their defaults on entry and exit.
struct SettingsGuard {
    SettingsGuard();
    ~SettingsGuard();
};
