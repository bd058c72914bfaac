#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The stored part of the insertion dialog's block: the path as a zero-terminated
// text in 260 bytes, the angle, the anti-alias flag and the mix level; 264 bytes.
#pragma pack(push, 1)
struct StoredTagInsert {
    char insertFile[260] = {};    // at most 259 characters and the terminator
    uint16_t insertAngle = 0;     // whole degrees; 0: no rotation
    uint8_t insertAntiAlias = 0;  // anti-aliased rotation instead of the fast one
    uint8_t insertLevel = 0;      // mix level 0..255 (the dialog shows a percentage)
};
#pragma pack(pop)
static_assert(sizeof(StoredTagInsert) == 264, "stored as a 264-byte block");

// Parameter block of the tag insertion dialog, kept for the whole run.
struct TagInsertParams : StoredTagInsert {
    std::vector<std::string> insertHistory;  // the combo's entries, "Browse ..." included
};
