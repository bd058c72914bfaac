#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The stored part of the "Circle Mix" dialog's block: seven 32-bit fields, two flags
// and two bytes that carry nothing, 32 bytes in this layout.
struct StoredCircleMix {
    int32_t mixMinPercent = 80;
    int32_t mixMaxPercent = 80;
    int32_t radiusMin = 32;
    int32_t radiusMax = 64;
    int32_t discCount = 1;  // 0 or less: until interrupted
    int32_t opaqueMinPercent = 0;
    int32_t opaqueMaxPercent = 0;
    uint8_t discRotation = 0;
    uint8_t plug = 0;
    uint8_t unused[2] = {};
};
static_assert(sizeof(StoredCircleMix) == 32, "stored as a 32-byte block");

// Parameter block of the "Circle Mix" dialog, kept for the whole run.
struct CircleMixParams : StoredCircleMix {
    std::vector<std::string> mixFiles;  // source pictures, sorted as the dialog's list
};

// What the dialog's OK and the command line say when the opaque percentages are wrong.
inline constexpr const char* kOpaqueRangeMessage = "Opaque radius percent should have value between 0..100";
inline constexpr const char* kOpaqueOrderMessage =
    "Opaque radius percent minimum should be above value opaque radius maximum";
