#include "bit_stream.h"

#include <cstdlib>
#include <cstring>

#include "value_list.h"

namespace tolvanea {
namespace {

std::uint8_t* chunkBytes(const ListNode* node) { return reinterpret_cast<std::uint8_t*>(node->value); }

// Appends one zero-filled chunk; false when memory is short.
bool appendChunk(BitStream* s) {
    auto* bytes = static_cast<std::uint8_t*>(std::calloc(s->chunkSize, 1));
    if (!bytes) return false;
    ListNode* node = nullptr;
    s->chunks = appendValue(s->chunks, reinterpret_cast<RtWord>(bytes), &node);
    if (!node) {
        std::free(bytes);
        return false;
    }
    ++s->chunkCount;
    return true;
}

// Finds the chunk and offset of position, growing the stream up to it when needed.
bool locateCursor(BitStream* s) {
    if (s->cursorNode) return true;
    const std::uint32_t q = s->position / s->chunkSize;
    while (s->chunkCount <= q)
        if (!appendChunk(s)) return false;
    // Walk from the nearer end of the list.
    ListNode* node;
    if (q < s->chunkCount / 2) {
        node = s->chunks;
        for (std::uint32_t i = 0; i < q; ++i) node = node->next;
    } else {
        node = s->chunks->last;
        for (std::uint32_t i = s->chunkCount - 1; i > q; --i) node = node->previous;
    }
    s->cursorNode = node;
    s->cursorOffset = s->position % s->chunkSize;
    return true;
}

bool validGroup(std::uint32_t groupBytes) { return groupBytes >= 1 && groupBytes <= 4; }

// Writes the accumulator's low groupBytes bytes, least significant first.
bool flushGroup(BitStream* s, bool noAdvance) {
    std::uint8_t bytes[4];
    for (int i = 0; i < 4; ++i) bytes[i] = std::uint8_t(s->accumulator >> (8 * i));
    return writeBytes(s, bytes, s->groupBytes, nullptr, noAdvance);
}

bool loadGroup(BitStream* s, std::uint32_t groupBytes, bool noAdvance) {
    std::uint8_t bytes[4] = {0, 0, 0, 0};
    if (!readBytes(s, bytes, groupBytes, nullptr, noAdvance)) return false;
    s->accumulator = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
                     std::uint32_t(bytes[3]) << 24;
    s->bitCount = 0;
    s->writePending = false;
    return true;
}

// One bit into the packer; false only when a full group could not be stored.
bool putBit(BitStream* s, bool bit, bool noAdvance, std::uint32_t groupBytes) {
    if (s->bitCount == noGroupLoaded) s->bitCount = 0;
    s->groupBytes = std::uint8_t(groupBytes);
    // A count at or past 32 is only left by a fully consumed read group.
    if (bit && s->bitCount < 32) s->accumulator |= std::uint32_t(1) << s->bitCount;
    if (!noAdvance) ++s->bitCount;
    s->writePending = true;
    if (s->bitCount >= groupBytes * 8) {
        if (!flushGroup(s, noAdvance)) return false;
        s->bitCount = 0;
        s->accumulator = 0;
        s->writePending = false;
    }
    return true;
}

// One bit out of the packer; false when a needed group was not available.
bool takeBit(BitStream* s, bool& bit, bool noAdvance, std::uint32_t groupBytes) {
    if (s->bitCount >= groupBytes * 8 && !loadGroup(s, groupBytes, noAdvance)) return false;
    s->groupBytes = std::uint8_t(groupBytes);
    bit = s->bitCount < 32 && (s->accumulator >> s->bitCount) & 1;
    if (!noAdvance) ++s->bitCount;
    return true;
}

bool groupPartlyUsed(const BitStream* s) { return s->bitCount != 0 && s->bitCount != noGroupLoaded; }

}  // namespace

BitStream* createStream(std::uint32_t chunkSize, std::uint8_t creationFlag) {
    if (chunkSize == 0) return nullptr;
    auto* s = static_cast<BitStream*>(std::malloc(sizeof(BitStream)));
    if (!s) return nullptr;
    *s = BitStream{};
    s->chunkSize = chunkSize;
    s->creationFlag = creationFlag;
    return s;
}

void destroyStream(BitStream* s) {
    if (!s) return;
    destroyValueList(s->chunks, [](RtWord chunk) { std::free(reinterpret_cast<void*>(chunk)); });
    std::free(s);
}

bool writeBytes(BitStream* s, const std::uint8_t* data, std::uint32_t count, std::uint32_t* written, bool noAdvance) {
    if (!s || (!data && count)) return false;
    // The position is a 32-bit value: refuse a write that would carry it past the top.
    if (!noAdvance && count > UINT32_MAX - s->position) return false;
    if (!locateCursor(s)) return false;
    std::uint32_t done = 0;
    bool ok = true;
    while (done < count) {
        std::uint32_t room = s->chunkSize - s->cursorOffset;
        std::uint32_t n = count - done < room ? count - done : room;
        std::memcpy(chunkBytes(s->cursorNode) + s->cursorOffset, data + done, n);
        done += n;
        s->cursorOffset += n;
        if (!noAdvance) s->position += n;
        if (s->cursorOffset == s->chunkSize) {
            if (!s->cursorNode->next && !appendChunk(s)) {
                s->cursorNode = nullptr;  // relocated from position by the next access
                ok = false;
                break;
            }
            s->cursorNode = s->cursorNode->next;
            s->cursorOffset = 0;
        }
    }
    if (s->position > s->size) s->size = s->position;
    if (written) *written = done;
    return ok;
}

bool readBytes(BitStream* s, std::uint8_t* data, std::uint32_t count, std::uint32_t* read, bool noAdvance) {
    if (read) *read = 0;
    if (!s || (!data && count) || s->position >= s->size) return false;
    if (!locateCursor(s)) return false;
    std::uint32_t done = 0;
    while (done < count) {
        std::uint32_t n = s->chunkSize - s->cursorOffset;
        if (count - done < n) n = count - done;
        if (!noAdvance && s->size - s->position < n) n = s->size - s->position;
        std::memcpy(data + done, chunkBytes(s->cursorNode) + s->cursorOffset, n);
        done += n;
        s->cursorOffset += n;
        if (!noAdvance) s->position += n;
        if (s->cursorOffset == s->chunkSize) {
            s->cursorNode = s->cursorNode->next;
            s->cursorOffset = 0;
            if (!s->cursorNode) break;
        }
        if (!noAdvance && s->position == s->size) break;
    }
    if (read) *read = done;
    return true;
}

bool writeBytesAligned(BitStream* s, const std::uint8_t* data, std::uint32_t count, std::uint32_t* written,
                       bool noAdvance) {
    if (s && groupPartlyUsed(s))
        return writeValueBits<std::uint8_t>(s, data, count, written, 8, s->groupBytes, noAdvance);
    return writeBytes(s, data, count, written, noAdvance);
}

bool readBytesAligned(BitStream* s, std::uint8_t* data, std::uint32_t count, std::uint32_t* read, bool noAdvance) {
    if (s && groupPartlyUsed(s)) return readValueBits<std::uint8_t>(s, data, count, read, 8, s->groupBytes, noAdvance);
    return readBytes(s, data, count, read, noAdvance);
}

bool seek(BitStream* s, std::uint32_t position) {
    if (!s) return false;
    if (s->writePending && groupPartlyUsed(s)) flushGroup(s, false);
    s->position = position;
    s->cursorNode = nullptr;
    s->bitCount = noGroupLoaded;
    // Without this, bits of the group just written would reappear in the next one.
    s->accumulator = 0;
    s->writePending = false;
    return true;
}

bool writeOneBit(BitStream* s, bool bit, bool noAdvance, std::uint32_t groupBytes) {
    if (!s || !validGroup(groupBytes)) return false;
    return putBit(s, bit, noAdvance, groupBytes);
}

bool readOneBit(BitStream* s, std::uint8_t* bit, bool noAdvance, std::uint32_t groupBytes) {
    if (!s || !validGroup(groupBytes)) return false;
    bool b;
    if (!takeBit(s, b, noAdvance, groupBytes)) return false;
    if (bit) *bit = b ? 1 : 0;
    return true;
}

template <class T>
bool writeValueBits(BitStream* s, const T* values, std::uint32_t count, std::uint32_t* bitsWritten,
                    std::uint32_t bitsPerValue, std::uint32_t groupBytes, bool noAdvance) {
    if (!s || !validGroup(groupBytes) || bitsPerValue < 1 || bitsPerValue > 8 * sizeof(T) || (!values && count))
        return false;
    std::uint32_t handled = 0;
    bool ok = true;
    for (std::uint32_t i = 0; i < count && ok; ++i) {
        const T v = values[i];
        for (std::uint32_t j = 0; j < bitsPerValue; ++j) {
            ok = putBit(s, (v >> j) & 1, noAdvance, groupBytes);
            if (!ok) break;
            ++handled;
        }
    }
    if (bitsWritten) *bitsWritten = handled;
    return handled > 0;
}

template <class T>
bool readValueBits(BitStream* s, T* values, std::uint32_t count, std::uint32_t* bitsRead, std::uint32_t bitsPerValue,
                   std::uint32_t groupBytes, bool noAdvance) {
    if (!s || !validGroup(groupBytes) || bitsPerValue < 1 || bitsPerValue > 8 * sizeof(T) || (!values && count))
        return false;
    std::uint32_t taken = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        T v = 0;
        for (std::uint32_t j = 0; j < bitsPerValue; ++j) {
            bool bit;
            if (!takeBit(s, bit, noAdvance, groupBytes)) {
                // The partly assembled value is dropped.
                if (bitsRead) *bitsRead = taken;
                return taken > 0;
            }
            if (bit) v = T(v | T(1) << j);
            ++taken;
        }
        values[i] = v;
    }
    if (bitsRead) *bitsRead = taken;
    return taken > 0;
}

template bool writeValueBits<std::uint8_t>(BitStream*, const std::uint8_t*, std::uint32_t, std::uint32_t*,
                                           std::uint32_t, std::uint32_t, bool);
template bool writeValueBits<std::uint16_t>(BitStream*, const std::uint16_t*, std::uint32_t, std::uint32_t*,
                                            std::uint32_t, std::uint32_t, bool);
template bool writeValueBits<std::uint32_t>(BitStream*, const std::uint32_t*, std::uint32_t, std::uint32_t*,
                                            std::uint32_t, std::uint32_t, bool);
template bool readValueBits<std::uint8_t>(BitStream*, std::uint8_t*, std::uint32_t, std::uint32_t*, std::uint32_t,
                                          std::uint32_t, bool);
template bool readValueBits<std::uint16_t>(BitStream*, std::uint16_t*, std::uint32_t, std::uint32_t*, std::uint32_t,
                                           std::uint32_t, bool);
template bool readValueBits<std::uint32_t>(BitStream*, std::uint32_t*, std::uint32_t, std::uint32_t*, std::uint32_t,
                                           std::uint32_t, bool);

bool writeAnyBits(BitStream* s, const void* values, std::uint32_t count, std::uint32_t* bitsWritten,
                  std::uint32_t bitsPerValue, std::uint32_t groupBytes, bool noAdvance) {
    if (bitsPerValue <= 8)
        return writeValueBits(s, static_cast<const std::uint8_t*>(values), count, bitsWritten, bitsPerValue, groupBytes,
                              noAdvance);
    if (bitsPerValue <= 16)
        return writeValueBits(s, static_cast<const std::uint16_t*>(values), count, bitsWritten, bitsPerValue,
                              groupBytes, noAdvance);
    if (bitsPerValue <= 32)
        return writeValueBits(s, static_cast<const std::uint32_t*>(values), count, bitsWritten, bitsPerValue,
                              groupBytes, noAdvance);
    return false;
}

bool readAnyBits(BitStream* s, void* values, std::uint32_t count, std::uint32_t* bitsRead, std::uint32_t bitsPerValue,
                 std::uint32_t groupBytes, bool noAdvance) {
    if (bitsPerValue <= 8)
        return readValueBits(s, static_cast<std::uint8_t*>(values), count, bitsRead, bitsPerValue, groupBytes,
                             noAdvance);
    if (bitsPerValue <= 16)
        return readValueBits(s, static_cast<std::uint16_t*>(values), count, bitsRead, bitsPerValue, groupBytes,
                             noAdvance);
    if (bitsPerValue <= 32)
        return readValueBits(s, static_cast<std::uint32_t*>(values), count, bitsRead, bitsPerValue, groupBytes,
                             noAdvance);
    return false;
}

}  // namespace tolvanea
