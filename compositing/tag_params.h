#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Parameter block of the "Tag" dialog, kept for the whole run and stored with the
// configuration: the file list, the count (4 bytes) and the rotation flag (first
// byte of an 8-byte block whose other bytes carry nothing).
struct TagParams {
    int32_t tagCount = 0;               // stamps to make; 0 or less: until interrupted
    uint8_t tagRotation = 0;            // rotate each stamp by a random angle
    uint8_t unused[7] = {};             // rest of the stored block, kept as held
    std::vector<std::string> tagFiles;  // sorted, as the dialog's list keeps them
};
