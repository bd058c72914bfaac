#include "text_reader.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "file_services.h"

struct TextReader {
    RtHandle file;   // -1 in function mode
    RtWord context;  // first argument of every fill call
    ReaderFillFn fill;
    int32_t sourceOffset;  // source position of the next block
    uint8_t wide;          // 1 for UTF-16 text
    int32_t position;      // next byte to hand out within the block
    int32_t count;         // bytes in the block
    unsigned char block[tolvanea::kReaderBlockSize];
};

namespace tolvanea {
namespace {

constexpr unsigned char kTextMarker[3] = {0xFE, 0xFF, 0x00};

// File mode's source: the block at sourceOffset of the reader's file.
RtBool fillFromFile(RtWord context, int32_t sourceOffset, void* buffer, int32_t size, int32_t* got) {
    auto* reader = reinterpret_cast<TextReader*>(context);
    *got = 0;
    if (seekFromStart(reader->file, sourceOffset) == 0xFFFFFFFFu) return 0;
    auto* out = static_cast<unsigned char*>(buffer);
    int32_t done = 0;
    while (done < size) {
        ssize_t part = ::read(static_cast<int>(reader->file), out + done, static_cast<std::size_t>(size - done));
        if (part <= 0) break;
        done += static_cast<int32_t>(part);
    }
    *got = done;
    return 1;
}

// Calls the source, trusting none of what it reports beyond the block's size
// and the 31-bit offset range.
int32_t fetch(TextReader* reader, void* buffer, int32_t size) {
    if (reader->sourceOffset >= INT32_MAX) return 0;
    int32_t got = 0;
    reader->fill(reader->context, reader->sourceOffset, buffer, size, &got);
    if (got < 0) got = 0;
    if (got > size) got = size;
    if (got > INT32_MAX - reader->sourceOffset) got = INT32_MAX - reader->sourceOffset;
    return got;
}

void fillBlock(TextReader* reader) {
    int32_t got = fetch(reader, reader->block, kReaderBlockSize);
    reader->sourceOffset += got;
    reader->count = got;
    reader->position = 0;
}

TextReader* makeReader(RtHandle file, RtWord context, ReaderFillFn fill) {
    auto* reader = static_cast<TextReader*>(std::malloc(sizeof(TextReader)));
    if (reader == nullptr) return nullptr;
    reader->file = file;
    reader->context = context;
    reader->fill = fill;
    reader->sourceOffset = 0;
    reader->wide = 0;
    reader->position = 0;
    reader->count = 0;
    return reader;
}

// The next character, or false at the end of the source. peek leaves it
// to be read again.
bool nextChar(TextReader* reader, RtWide& character, bool peek) {
    if (reader->position >= reader->count) fillBlock(reader);
    if (reader->count <= 0) return false;
    const unsigned char* at = reader->block + reader->position;
    if (!reader->wide) {
        character = at[0];
        if (!peek) reader->position += 1;
        return true;
    }
    if (reader->count - reader->position >= 2) {
        character = static_cast<RtWide>(at[0] | (at[1] << 8));
        if (!peek) reader->position += 2;
        return true;
    }
    // A unit split across two blocks: move its first byte to the front and
    // append the next block behind it.
    reader->block[0] = at[0];
    int32_t got = fetch(reader, reader->block + 1, kReaderBlockSize - 1);
    reader->sourceOffset += got;
    reader->count = 1 + got;
    reader->position = 0;
    const unsigned char high = got > 0 ? reader->block[1] : 0;
    character = static_cast<RtWide>(reader->block[0] | (high << 8));
    if (!peek) reader->position = got > 0 ? 2 : 1;
    return true;
}

}  // namespace

TextReader* openReader(const void* source, RtWord /*reserved*/, uint32_t flags, RtWord context) {
    if (source == nullptr) return nullptr;
    if (flags & RT_READER_FUNCTION_MODE) {
        auto fill = reinterpret_cast<ReaderFillFn>(const_cast<void*>(source));
        TextReader* reader = makeReader(RT_INVALID_HANDLE, context, fill);
        if (reader == nullptr) return nullptr;
        unsigned char start[3] = {0, 0, 0};
        int32_t got = fetch(reader, start, 3);
        if (got >= 3 && std::memcmp(start, kTextMarker, 3) == 0) {
            reader->wide = 1;
            reader->sourceOffset = 3;
        }
        return reader;
    }
    RtBool marker = 0;
    RtHandle file = openTextForReading(static_cast<const char*>(source), &marker);
    if (file == RT_INVALID_HANDLE) return nullptr;
    TextReader* reader = makeReader(file, 0, fillFromFile);
    if (reader == nullptr) {
        closeFile(file);
        return nullptr;
    }
    reader->context = reinterpret_cast<RtWord>(reader);
    reader->wide = marker ? 1 : 0;
    reader->sourceOffset = marker ? 3 : 0;
    return reader;
}

RtBool resetReader(TextReader* reader) {
    if (reader != nullptr) {
        reader->position = 0;
        reader->count = 0;
    }
    return 1;
}

RtWide readReaderChar(TextReader* reader, RtBool* got) {
    if (got != nullptr) *got = 0;
    RtWide character = 0;
    if (reader == nullptr || !nextChar(reader, character, false)) return 0;
    if (got != nullptr) *got = 1;
    return character;
}

RtBool readReaderLine(TextReader* reader, RtWide* buffer, int32_t capacity) {
    if (reader == nullptr) return 0;
    if (reader->count == 0) {
        fillBlock(reader);
        if (reader->count == 0) return 0;
    }
    const bool store = buffer != nullptr && capacity >= 1;
    bool atStart = true;
    int32_t n = 0;
    RtWide character = 0;
    while (nextChar(reader, character, false)) {
        if (character == '\r' || character == '\n') {
            RtWide following = 0;
            while (nextChar(reader, following, true) && (following == '\r' || following == '\n'))
                nextChar(reader, following, false);
            break;
        }
        if (character == ';' && atStart) continue;
        atStart = false;
        if (store && n < capacity - 1) buffer[n++] = character;
    }
    if (store) buffer[n] = 0;
    return 1;
}

RtBool closeReader(TextReader* reader) {
    if (reader == nullptr) return 1;
    if (reader->file != RT_INVALID_HANDLE) closeFile(reader->file);
    std::free(reader);
    return 1;
}

}  // namespace tolvanea
