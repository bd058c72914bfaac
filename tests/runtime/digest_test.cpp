// Checksums and digests through DigestTable, as a host calls them.
#include "runtime_host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

const DigestTable& digests() { return *runtimeRoot().digestTable; }

// Bit-at-a-time CRC-32: the definition the table-driven loop must agree with.
uint32_t crcOracle(const uint8_t* p, size_t n) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}

std::string hexOf(const std::string& text) {
    char out[33];
    std::memset(out, 'x', sizeof out);
    digests().md5Hex(text.data(), int32_t(text.size()), out);
    return std::string(out, strnlen(out, sizeof out));
}

TEST(Crc32, PublishedCheckValueAndEmptyInputs) {
    EXPECT_EQ(digests().crc32("123456789", 9), 0xCBF43926u);
    EXPECT_EQ(digests().crc32("abc", 0), 0u);
    EXPECT_EQ(digests().crc32(nullptr, 100), 0u);
}

TEST(Crc32, EightByteRoundsAgreeWithTheBitwiseDefinitionAtEveryLengthAndAlignment) {
    std::mt19937 rng(7);
    std::vector<uint8_t> data(300);
    for (auto& b : data) b = uint8_t(rng());
    for (size_t offset = 0; offset < 8; ++offset)
        for (size_t len = 0; len + offset <= 140; ++len)
            ASSERT_EQ(digests().crc32(data.data() + offset, int32_t(len)), crcOracle(data.data() + offset, len))
                << "offset " << offset << " length " << len;
}

TEST(Md5, Rfc1321TestSuite) {
    EXPECT_EQ(hexOf(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(hexOf("a"), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(hexOf("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(hexOf("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(hexOf("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(hexOf("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              "d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(hexOf("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
              "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5, LongInputSpansManyBlocks) { EXPECT_EQ(hexOf(std::string(1000000, 'a')), "7707d6ae4e027c70eea2a935c2296f21"); }

TEST(Md5, RawDigestMatchesTheTextAndEachCallStartsAfresh) {
    const std::string text = "message digest";
    uint8_t raw[16];
    digests().md5Digest(text.data(), int32_t(text.size()), raw);
    const uint8_t expected[16] = {0xf9, 0x6b, 0x69, 0x7d, 0x7c, 0xb7, 0x93, 0x8d,
                                  0x52, 0x5a, 0x2f, 0x31, 0xaa, 0xf1, 0x61, 0xd0};
    EXPECT_EQ(std::memcmp(raw, expected, 16), 0);
    // The running state is shared by the whole process: a digest of something else in
    // between must not leak into the next one.
    hexOf(std::string(70, 'z'));
    EXPECT_EQ(hexOf(text), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(hexOf(text), "f96b697d7cb7938d525a2f31aaf161d0");
}

TEST(Md5, NullDataDigestsAsEmpty) {
    char out[33];
    digests().md5Hex(nullptr, 5, out);
    EXPECT_STREQ(out, "d41d8cd98f00b204e9800998ecf8427e");
}

}  // namespace
