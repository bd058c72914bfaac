// The chunked stream and its bit packer through BitStreamTable.
#include "runtime_host.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace {

const BitStreamTable& streams() { return *runtimeRoot().bitStreamTable; }

struct StreamFree {
    void operator()(BitStream* s) const { streams().destroyBitStream(s); }
};
using Stream = std::unique_ptr<BitStream, StreamFree>;

Stream make(uint32_t chunkSize) {
    Stream s(streams().createBitStream(chunkSize, 0));
    EXPECT_NE(s, nullptr);
    return s;
}

std::vector<uint8_t> contents(BitStream* s) {
    std::vector<uint8_t> bytes(streams().streamSize(s));
    streams().seekStream(s, 0);
    uint32_t read = 0;
    if (!bytes.empty()) EXPECT_EQ(streams().readStreamBytes(s, bytes.data(), uint32_t(bytes.size()), &read, 0), 1);
    EXPECT_EQ(read, bytes.size());
    return bytes;
}

TEST(BitStream, SingleBitsPackLeastSignificantFirst) {
    Stream s = make(16);
    const uint8_t bits[] = {1, 0, 1};
    uint32_t written = 0;
    EXPECT_EQ(streams().writeBits8(s.get(), bits, 3, &written, 1, 1, 0), 1);
    EXPECT_EQ(written, 3u);
    EXPECT_EQ(streams().streamSize(s.get()), 0u);  // still in the accumulator
    streams().seekStream(s.get(), 0);
    EXPECT_EQ(contents(s.get()), (std::vector<uint8_t>{0x05}));
}

TEST(BitStream, TwelveBitValueInATwoByteGroupAndBack) {
    Stream s = make(16);
    const uint16_t value = 0xABC;
    uint32_t n = 0;
    EXPECT_EQ(streams().writeBits16(s.get(), &value, 1, &n, 12, 2, 0), 1);
    streams().seekStream(s.get(), 0);
    EXPECT_EQ(streams().streamSize(s.get()), 2u);
    uint16_t back = 0;
    EXPECT_EQ(streams().readBits16(s.get(), &back, 1, &n, 12, 2, 0), 1);
    EXPECT_EQ(n, 12u);
    EXPECT_EQ(back, 0xABC);
    EXPECT_EQ(contents(s.get()), (std::vector<uint8_t>{0xBC, 0x0A}));
}

TEST(BitStream, ByteWrittenWhileBitsPendIsPackedAfterThem) {
    Stream s = make(8);
    const uint8_t three = 0b101;
    uint32_t n = 0;
    streams().writeBits8(s.get(), &three, 1, &n, 3, 1, 0);
    const uint8_t byte = 0xFF;
    EXPECT_EQ(streams().writeStream(s.get(), &byte, 1, &n, 0), 1);
    EXPECT_EQ(n, 8u);  // counted in bits
    streams().seekStream(s.get(), 0);
    // 101 then eight ones: 1111 1101, then 0000 0111.
    EXPECT_EQ(contents(s.get()), (std::vector<uint8_t>{0xFD, 0x07}));

    // Read back the same way: three bits, then a bit-aligned byte.
    streams().seekStream(s.get(), 0);
    uint8_t first = 0, second = 0;
    streams().readBits8(s.get(), &first, 1, &n, 3, 1, 0);
    EXPECT_EQ(first, 0b101);
    EXPECT_EQ(streams().readStream(s.get(), &second, 1, &n, 0), 1);
    EXPECT_EQ(n, 8u);
    EXPECT_EQ(second, 0xFF);
}

TEST(BitStream, ChunksGrowWithoutLosingBytes) {
    Stream s = make(4);
    const uint8_t data[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    uint32_t n = 0;
    EXPECT_EQ(streams().writeStreamBytes(s.get(), data, 10, &n, 0), 1);
    EXPECT_EQ(n, 10u);
    EXPECT_EQ(streams().streamSize(s.get()), 10u);
    EXPECT_EQ(streams().streamPosition(s.get()), 10u);
    streams().seekStream(s.get(), 0);
    uint8_t back[20] = {};
    EXPECT_EQ(streams().readStreamBytes(s.get(), back, 20, &n, 0), 1);
    EXPECT_EQ(n, 10u);
    EXPECT_EQ(std::vector<uint8_t>(back, back + 10), std::vector<uint8_t>(data, data + 10));
    // At the end nothing more is read.
    EXPECT_EQ(streams().readStreamBytes(s.get(), back, 1, &n, 0), 0);
    EXPECT_EQ(n, 0u);
    // Seeking into the middle and overwriting keeps the rest.
    streams().seekStream(s.get(), 3);
    const uint8_t patch[3] = {0xA, 0xB, 0xC};
    streams().writeStreamBytes(s.get(), patch, 3, &n, 0);
    EXPECT_EQ(contents(s.get()), (std::vector<uint8_t>{1, 2, 3, 0xA, 0xB, 0xC, 7, 8, 9, 10}));
}

TEST(BitStream, SeekPastTheEndLeavesAZeroGap) {
    Stream s = make(8);
    streams().seekStream(s.get(), 100);
    EXPECT_EQ(streams().streamSize(s.get()), 0u);
    const uint8_t one = 0x5A;
    uint32_t n = 0;
    streams().writeStreamBytes(s.get(), &one, 1, &n, 0);
    EXPECT_EQ(streams().streamSize(s.get()), 101u);
    std::vector<uint8_t> expected(101, 0);
    expected[100] = 0x5A;
    EXPECT_EQ(contents(s.get()), expected);
}

TEST(BitStream, PendingGroupIsWrittenOnceAndNeverLeaksIntoTheNext) {
    Stream s = make(8);
    uint32_t n = 0;
    EXPECT_EQ(streams().writeBit(s.get(), 1, 0, 1), 1);
    streams().seekStream(s.get(), 0);
    streams().seekStream(s.get(), 0);
    EXPECT_EQ(streams().streamSize(s.get()), 1u);
    EXPECT_EQ(streams().streamPosition(s.get()), 0u);
    // A new group after the seek starts from nothing: its byte is 0x02, not 0x03.
    const uint8_t bits[] = {0, 1};
    streams().writeBits8(s.get(), bits, 2, &n, 1, 1, 0);
    streams().seekStream(s.get(), 1);
    EXPECT_EQ(contents(s.get()), (std::vector<uint8_t>{0x02}));
}

TEST(BitStream, SeekAfterAPartlyReadGroupDoesNotWriteItBack) {
    Stream s = make(8);
    const uint8_t data[2] = {0xF0, 0x0F};
    uint32_t n = 0;
    streams().writeStreamBytes(s.get(), data, 2, &n, 0);
    streams().seekStream(s.get(), 0);
    uint8_t bit = 9;
    EXPECT_EQ(streams().readBit(s.get(), &bit, 0, 1), 1);
    EXPECT_EQ(bit, 0);
    streams().seekStream(s.get(), 2);
    EXPECT_EQ(streams().streamSize(s.get()), 2u);
    EXPECT_EQ(contents(s.get()), (std::vector<uint8_t>{0xF0, 0x0F}));
}

TEST(BitStream, ReadingStopsAtTheFirstMissingGroup) {
    Stream s = make(8);
    const uint8_t data[3] = {0x01, 0x02, 0x03};
    uint32_t n = 0;
    streams().writeStreamBytes(s.get(), data, 3, &n, 0);
    streams().seekStream(s.get(), 0);
    uint16_t values[3] = {0xEEEE, 0xEEEE, 0xEEEE};
    // Groups of 2 bytes: the second group has one byte only, the third is missing.
    EXPECT_EQ(streams().readBits16(s.get(), values, 3, &n, 16, 2, 0), 1);
    EXPECT_EQ(values[0], 0x0201);
    EXPECT_EQ(values[1], 0x0003);
    EXPECT_EQ(values[2], 0xEEEE);  // not stored
    EXPECT_EQ(n, 32u);
    uint8_t bit = 0;
    EXPECT_EQ(streams().readBit(s.get(), &bit, 0, 2), 0);
}

TEST(BitStream, RefusedArgumentsChangeNothing) {
    EXPECT_EQ(streams().createBitStream(0, 0), nullptr);
    Stream s = make(8);
    const uint32_t values[2] = {1, 2};
    uint32_t n = 77;
    EXPECT_EQ(streams().writeBits(s.get(), values, 2, &n, 33, 4, 0), 0);
    EXPECT_EQ(streams().readBits(s.get(), (void*)values, 2, &n, 33, 4, 0), 0);
    EXPECT_EQ(streams().writeBits32(s.get(), values, 2, &n, 8, 0, 0), 0);  // group of 0 bytes
    EXPECT_EQ(streams().writeBits32(s.get(), values, 2, &n, 8, 5, 0), 0);  // group of 5 bytes
    EXPECT_EQ(streams().writeBit(s.get(), 1, 0, 9), 0);
    const uint8_t wide = 1;
    EXPECT_EQ(streams().writeBits8(s.get(), &wide, 1, &n, 9, 1, 0), 0);  // 9 bits of a byte
    EXPECT_EQ(n, 77u);
    streams().seekStream(s.get(), 0);
    EXPECT_EQ(streams().streamSize(s.get()), 0u);
    EXPECT_EQ(streams().streamPosition(s.get()), 0u);
}

TEST(BitStream, WritingInPlaceDoesNotMoveThePosition) {
    Stream s = make(8);
    const uint8_t data[3] = {7, 8, 9};
    uint32_t n = 0;
    EXPECT_EQ(streams().writeStreamBytes(s.get(), data, 3, &n, 1), 1);
    EXPECT_EQ(streams().streamPosition(s.get()), 0u);
    EXPECT_EQ(streams().streamSize(s.get()), 0u);
    // Reading at the position peeks without moving either.
    streams().writeStreamBytes(s.get(), data, 0, &n, 0);
    streams().seekStream(s.get(), 0);
    const uint8_t first = 1;
    streams().writeStreamBytes(s.get(), &first, 1, &n, 0);
    uint8_t peek = 0;
    streams().seekStream(s.get(), 0);
    EXPECT_EQ(streams().readStreamBytes(s.get(), &peek, 1, &n, 1), 1);
    EXPECT_EQ(peek, 1);
    EXPECT_EQ(streams().streamPosition(s.get()), 0u);
}

// Packing bits least significant first into little-endian groups is the same as one
// continuous least-significant-first bit string, padded with zeros to a whole group.
std::vector<uint8_t> packOracle(const std::vector<std::pair<uint32_t, int>>& fields, int groupBytes) {
    std::vector<uint8_t> bits;
    for (auto [value, width] : fields)
        for (int j = 0; j < width; ++j) bits.push_back((value >> j) & 1);
    while (bits.size() % (8 * groupBytes)) bits.push_back(0);
    std::vector<uint8_t> bytes(bits.size() / 8, 0);
    for (size_t i = 0; i < bits.size(); ++i) bytes[i / 8] |= uint8_t(bits[i] << (i % 8));
    return bytes;
}

TEST(BitStream, MixedWidthsMatchTheContinuousBitStringAndReadBack) {
    std::mt19937 rng(2024);
    for (int groupBytes = 1; groupBytes <= 4; ++groupBytes)
        for (uint32_t chunkSize : {1u, 3u, 64u}) {
            Stream s = make(chunkSize);
            std::vector<std::pair<uint32_t, int>> fields;
            for (int i = 0; i < 300; ++i) {
                int width = int(rng() % 32) + 1;
                uint32_t value = rng() & (width == 32 ? 0xFFFFFFFFu : (1u << width) - 1);
                fields.emplace_back(value, width);
                uint32_t n = 0;
                uint32_t v32 = value;
                uint16_t v16 = uint16_t(value);
                uint8_t v8 = uint8_t(value);
                const void* p = width <= 8 ? (const void*)&v8 : width <= 16 ? (const void*)&v16 : (const void*)&v32;
                ASSERT_EQ(streams().writeBits(s.get(), p, 1, &n, uint32_t(width), uint32_t(groupBytes), 0), 1);
                ASSERT_EQ(n, uint32_t(width));
            }
            streams().seekStream(s.get(), 0);
            ASSERT_EQ(contents(s.get()), packOracle(fields, groupBytes))
                << "group " << groupBytes << " chunk " << chunkSize;
            streams().seekStream(s.get(), 0);
            for (auto [value, width] : fields) {
                uint32_t n = 0, v32 = 0;
                uint16_t v16 = 0;
                uint8_t v8 = 0;
                void* p = width <= 8 ? (void*)&v8 : width <= 16 ? (void*)&v16 : (void*)&v32;
                ASSERT_EQ(streams().readBits(s.get(), p, 1, &n, uint32_t(width), uint32_t(groupBytes), 0), 1);
                uint32_t got = width <= 8 ? v8 : width <= 16 ? v16 : v32;
                ASSERT_EQ(got, value);
            }
        }
}

}  // namespace
