#pragma once
#include <string>

#include "generators/palette.h"

// ".vpal" files: one count byte, then count entries of red, green, blue. No header.

// Reads a palette file into `palette`. When the file cannot be opened, or is not a
// regular file (a folder, a pipe), nothing changes and the result is false. A file shorter than its count announces
// still sets the count; the entries it lacks keep what `palette` held before. A count byte of 0 followed by 768 or more
// bytes is a full palette of 256 colors (the form savePaletteFile gives such a palette).
bool loadPaletteFile(const std::string& path, Palette& palette);

// Writes `palette`, replacing any existing file in one step (storage/atomic_file.h).
// False when it could not be written, with the reason in `error` when given; the
// old file is then left as it was. A palette of 256 colors is written as a count
// byte of 0 and its 768 color bytes, which loadPaletteFile reads back as 256 colors.
bool savePaletteFile(const std::string& path, const Palette& palette, std::string* error = nullptr);
