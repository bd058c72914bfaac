#include "md5_digest.h"

#include <cstring>

namespace tolvanea {
namespace {

struct Md5State {
    std::uint32_t chain[4];
    std::uint64_t bitCount;
    std::uint8_t block[64];
};

// The library keeps one running state for the whole process.
Md5State runningState;

void resetState(Md5State& s) {
    s.chain[0] = 0x67452301u;
    s.chain[1] = 0xEFCDAB89u;
    s.chain[2] = 0x98BADCFEu;
    s.chain[3] = 0x10325476u;
    s.bitCount = 0;
    std::memset(s.block, 0, sizeof s.block);
}

inline std::uint32_t rotl(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

// Sine-derived additive constants and per-step rotations of RFC 1321.
constexpr std::uint32_t T[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};
constexpr int S[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

void transform(std::uint32_t chain[4], const std::uint8_t* p) {
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = std::uint32_t(p[4 * i]) | std::uint32_t(p[4 * i + 1]) << 8 | std::uint32_t(p[4 * i + 2]) << 16 |
               std::uint32_t(p[4 * i + 3]) << 24;
    std::uint32_t a = chain[0], b = chain[1], c = chain[2], d = chain[3];
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f;
        int g;
        switch (i / 16) {
        case 0:
            f = (b & c) | (~b & d);
            g = i;
            break;
        case 1:
            f = (b & d) | (c & ~d);
            g = (5 * i + 1) & 15;
            break;
        case 2:
            f = b ^ c ^ d;
            g = (3 * i + 5) & 15;
            break;
        default:
            f = c ^ (b | ~d);
            g = (7 * i) & 15;
            break;
        }
        std::uint32_t t = d;
        d = c;
        c = b;
        b = b + rotl(a + f + x[g] + T[i], S[i / 16][i & 3]);
        a = t;
    }
    chain[0] += a;
    chain[1] += b;
    chain[2] += c;
    chain[3] += d;
}

void update(Md5State& s, const std::uint8_t* p, std::size_t n) {
    std::size_t used = std::size_t(s.bitCount >> 3) & 63;
    s.bitCount += std::uint64_t(n) << 3;
    if (used) {
        std::size_t take = 64 - used < n ? 64 - used : n;
        std::memcpy(s.block + used, p, take);
        p += take;
        n -= take;
        if (used + take < 64) return;
        transform(s.chain, s.block);
    }
    for (; n >= 64; p += 64, n -= 64) transform(s.chain, p);
    if (n) std::memcpy(s.block, p, n);
}

void finish(Md5State& s, std::uint8_t out[16]) {
    std::uint64_t bits = s.bitCount;
    std::uint8_t pad[72] = {0x80};
    std::size_t used = std::size_t(bits >> 3) & 63;
    std::size_t padLen = used < 56 ? 56 - used : 120 - used;
    std::uint8_t length[8];
    for (int i = 0; i < 8; ++i) length[i] = std::uint8_t(bits >> (8 * i));
    update(s, pad, padLen);
    update(s, length, 8);
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k) out[4 * i + k] = std::uint8_t(s.chain[i] >> (8 * k));
}

void digest(const void* data, std::size_t length, std::uint8_t out[16]) {
    resetState(runningState);
    if (data && length) update(runningState, static_cast<const std::uint8_t*>(data), length);
    finish(runningState, out);
}

}  // namespace

void md5Bytes(const void* data, std::size_t length, std::uint8_t out[16]) {
    if (!out) return;
    digest(data, length, out);
}

void md5Text(const void* data, std::size_t length, char out[33]) {
    if (!out) return;
    static const char hex[] = "0123456789abcdef";
    std::uint8_t bytes[16];
    digest(data, length, bytes);
    for (int i = 0; i < 16; ++i) {
        out[2 * i] = hex[bytes[i] >> 4];
        out[2 * i + 1] = hex[bytes[i] & 15];
    }
    out[32] = '\0';
}

}  // namespace tolvanea
