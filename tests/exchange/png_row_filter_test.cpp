#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include "core/wide_pass.h"
#include "exchange/png_row_filter.h"

namespace {

// The filters as the PNG format defines them, byte by byte: a is the byte one pixel
// to the left, b the one above, c the one above and to the left (0 outside the row).
uint8_t predictor(int type, int a, int b, int c) {
    switch (type) {
    case 1:
        return uint8_t(a);
    case 2:
        return uint8_t(b);
    case 3:
        return uint8_t((a + b) / 2);
    case 4: {
        const int p = a + b - c;
        const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
        if (pa <= pb && pa <= pc) return uint8_t(a);
        return uint8_t(pb <= pc ? b : c);
    }
    default:
        return 0;
    }
}

// The expected stored row: every filter tried, the smallest sum of signed magnitudes
// kept, the first one on a tie.
std::vector<uint8_t> oracleRow(const std::vector<uint8_t>& row, const std::vector<uint8_t>& above) {
    std::vector<uint8_t> best;
    long bestSum = -1;
    for (int type = 0; type < 5; ++type) {
        std::vector<uint8_t> out{uint8_t(type)};
        long sum = 0;
        for (size_t i = 0; i < row.size(); ++i) {
            const int a = i >= 3 ? row[i - 3] : 0, b = above[i], c = i >= 3 ? above[i - 3] : 0;
            const uint8_t v = uint8_t(row[i] - predictor(type, a, b, c));
            out.push_back(v);
            sum += std::abs(int(int8_t(v)));
        }
        if (bestSum < 0 || sum < bestSum) bestSum = sum, best = out;
    }
    return best;
}

TEST(PngRowFilter, EveryRowIsTheSmallestOfTheFiveFiltersInBothBuilds) {
    std::mt19937 random(11);
    // Row kinds that each favour another filter: noise, a ramp (Sub), the row above
    // again (Up), smooth both ways (Average, Paeth), and zeros (ties everywhere).
    const auto makeRows = [&](int kind, size_t n, std::vector<uint8_t>& row, std::vector<uint8_t>& above) {
        for (size_t i = 0; i < n; ++i) {
            above[i] = uint8_t(random());
            switch (kind) {
            case 0:
                row[i] = uint8_t(random());
                break;
            case 1:
                row[i] = uint8_t(i / 3 * 7);
                above[i] = uint8_t(random());
                break;
            case 2:
                row[i] = above[i];
                break;
            case 3:
                above[i] = uint8_t(i * 2);
                row[i] = uint8_t(i * 2 + 5 + random() % 2);
                break;
            default:
                row[i] = above[i] = 0;
            }
        }
    };
    for (bool wide : {true, false}) {
        wideVectorsAllowed() = wide;
        for (size_t pixels : {1u, 2u, 5u, 31u, 64u, 1001u}) {
            for (int kind = 0; kind < 5; ++kind) {
                const size_t n = pixels * kPngPixelBytes;
                std::vector<uint8_t> row(n), above(n), out(n + 1);
                makeRows(kind, n, row, above);
                const PngRowFilter chosen = filterPngRow(row.data(), above.data(), n, out.data());
                const std::vector<uint8_t> expected = oracleRow(row, above);
                EXPECT_EQ(out, expected) << "wide " << wide << ", " << pixels << " pixels, kind " << kind;
                EXPECT_EQ(uint8_t(chosen), expected[0]);
            }
        }
    }
    wideVectorsAllowed() = true;
}

}  // namespace
