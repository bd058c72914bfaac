#pragma once
// In-memory byte stream that grows in fixed-size chunks, with a bit packer on top:
// values of 1 to 32 bits go least significant bit first into a group of 1 to 4 bytes,
// which enters the stream little-endian when it is full. Byte accesses that arrive while
// a group is partly used pass through the packer, so bits and bytes mix freely.
#include <cstdint>

#include "tolvanea/runtime.h"

// Completes the library's opaque stream record.
struct BitStream {
    ListNode* chunks;          // each value is the address of chunkSize zero-filled bytes
    std::uint32_t chunkCount;  // nodes in chunks, so that growing needs no walk
    std::uint32_t position;
    std::uint32_t size;
    std::uint32_t chunkSize;
    ListNode* cursorNode;  // null: the next access locates the cursor from position
    std::uint32_t cursorOffset;
    std::uint8_t bitCount;
    std::uint32_t accumulator;
    std::uint8_t groupBytes;
    std::uint8_t creationFlag;
    // The accumulator holds written bits that are not in the stream yet. A group that
    // was loaded for reading is never written back.
    bool writePending;
};

namespace tolvanea {

// bitCount holds this value while no group is loaded.
inline constexpr std::uint8_t noGroupLoaded = 170;

// Null for a chunk size of 0 or when memory is short.
BitStream* createStream(std::uint32_t chunkSize, std::uint8_t creationFlag);
void destroyStream(BitStream* s);

bool writeBytes(BitStream* s, const std::uint8_t* data, std::uint32_t count, std::uint32_t* written, bool noAdvance);
bool readBytes(BitStream* s, std::uint8_t* data, std::uint32_t count, std::uint32_t* read, bool noAdvance);
// Bit-aligned while a group is partly used; the count reported is then in bits.
bool writeBytesAligned(BitStream* s, const std::uint8_t* data, std::uint32_t count, std::uint32_t* written,
                       bool noAdvance);
bool readBytesAligned(BitStream* s, std::uint8_t* data, std::uint32_t count, std::uint32_t* read, bool noAdvance);

// Writes out a pending group, moves to position (which may lie past the end) and unloads
// the group, so that the next bit read loads a fresh one.
bool seek(BitStream* s, std::uint32_t position);

bool writeOneBit(BitStream* s, bool bit, bool noAdvance, std::uint32_t groupBytes);
bool readOneBit(BitStream* s, std::uint8_t* bit, bool noAdvance, std::uint32_t groupBytes);

// Values of 8, 16 or 32 bits (T), bitsPerValue bits of each. Refused (false, nothing
// changed) for bitsPerValue outside 1..bits of T or groupBytes outside 1..4.
template <class T>
bool writeValueBits(BitStream* s, const T* values, std::uint32_t count, std::uint32_t* bitsWritten,
                    std::uint32_t bitsPerValue, std::uint32_t groupBytes, bool noAdvance);
template <class T>
bool readValueBits(BitStream* s, T* values, std::uint32_t count, std::uint32_t* bitsRead, std::uint32_t bitsPerValue,
                   std::uint32_t groupBytes, bool noAdvance);

// Values of the width that bitsPerValue selects: bytes up to 8, 16-bit up to 16, 32-bit
// up to 32; false for more.
bool writeAnyBits(BitStream* s, const void* values, std::uint32_t count, std::uint32_t* bitsWritten,
                  std::uint32_t bitsPerValue, std::uint32_t groupBytes, bool noAdvance);
bool readAnyBits(BitStream* s, void* values, std::uint32_t count, std::uint32_t* bitsRead, std::uint32_t bitsPerValue,
                 std::uint32_t groupBytes, bool noAdvance);

}  // namespace tolvanea
