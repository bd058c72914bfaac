// BitStreamTable: the chunked stream and its bit packer.
#include "bit_stream.h"
#include "entry_guard.h"
#include "table_fill.h"

using namespace tolvanea;

namespace {

BitStream* createBitStream(uint32_t chunkSize, uint8_t creationFlag) { return createStream(chunkSize, creationFlag); }

RtBool destroyBitStream(BitStream* stream) {
    destroyStream(stream);
    return 1;
}

RtBool writeStreamBytes(BitStream* s, const void* data, uint32_t count, uint32_t* written, RtBool noAdvance) {
    return writeBytes(s, static_cast<const uint8_t*>(data), count, written, noAdvance);
}

RtBool writeStream(BitStream* s, const void* data, uint32_t count, uint32_t* written, RtBool noAdvance) {
    return writeBytesAligned(s, static_cast<const uint8_t*>(data), count, written, noAdvance);
}

RtBool readStreamBytes(BitStream* s, void* data, uint32_t count, uint32_t* read, RtBool noAdvance) {
    return readBytes(s, static_cast<uint8_t*>(data), count, read, noAdvance);
}

RtBool readStream(BitStream* s, void* data, uint32_t count, uint32_t* read, RtBool noAdvance) {
    return readBytesAligned(s, static_cast<uint8_t*>(data), count, read, noAdvance);
}

uint32_t streamPosition(const BitStream* s) { return s ? s->position : 0; }

RtBool seekStream(BitStream* s, uint32_t position) { return seek(s, position); }

uint32_t streamSize(const BitStream* s) { return s ? s->size : 0; }

RtBool writeBit(BitStream* s, RtBool bit, RtBool noAdvance, uint32_t groupBytes) {
    return writeOneBit(s, bit, noAdvance, groupBytes);
}

RtBool readBit(BitStream* s, uint8_t* bit, RtBool noAdvance, uint32_t groupBytes) {
    return readOneBit(s, bit, noAdvance, groupBytes);
}

template <class T>
RtBool writeBitsOf(BitStream* s, const T* values, uint32_t count, uint32_t* bitsWritten, uint32_t bitsPerValue,
                   uint32_t groupBytes, RtBool noAdvance) {
    return writeValueBits<T>(s, values, count, bitsWritten, bitsPerValue, groupBytes, noAdvance);
}

template <class T>
RtBool readBitsOf(BitStream* s, T* values, uint32_t count, uint32_t* bitsRead, uint32_t bitsPerValue,
                  uint32_t groupBytes, RtBool noAdvance) {
    return readValueBits<T>(s, values, count, bitsRead, bitsPerValue, groupBytes, noAdvance);
}

RtBool writeBits(BitStream* s, const void* values, uint32_t count, uint32_t* bitsWritten, uint32_t bitsPerValue,
                 uint32_t groupBytes, RtBool noAdvance) {
    return writeAnyBits(s, values, count, bitsWritten, bitsPerValue, groupBytes, noAdvance);
}

RtBool readBits(BitStream* s, void* values, uint32_t count, uint32_t* bitsRead, uint32_t bitsPerValue,
                uint32_t groupBytes, RtBool noAdvance) {
    return readAnyBits(s, values, count, bitsRead, bitsPerValue, groupBytes, noAdvance);
}

}  // namespace

void fillBitStreamTable(BitStreamTable* table) {
    table->size = sizeof(BitStreamTable);
    table->createBitStream = guarded<createBitStream>;
    table->destroyBitStream = guarded<destroyBitStream>;
    table->writeStreamBytes = guarded<writeStreamBytes>;
    table->writeStream = guarded<writeStream>;
    table->readStreamBytes = guarded<readStreamBytes>;
    table->readStream = guarded<readStream>;
    table->streamPosition = guarded<streamPosition>;
    table->seekStream = guarded<seekStream>;
    table->streamSize = guarded<streamSize>;
    table->writeBit = guarded<writeBit>;
    table->readBit = guarded<readBit>;
    table->writeBits8 = guarded<writeBitsOf<uint8_t>>;
    table->readBits8 = guarded<readBitsOf<uint8_t>>;
    table->writeBits16 = guarded<writeBitsOf<uint16_t>>;
    table->readBits16 = guarded<readBitsOf<uint16_t>>;
    table->writeBits32 = guarded<writeBitsOf<uint32_t>>;
    table->readBits32 = guarded<readBitsOf<uint32_t>>;
    table->writeBits = guarded<writeBits>;
    table->readBits = guarded<readBits>;
}
