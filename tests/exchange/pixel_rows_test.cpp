#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/wide_pass.h"
#include "exchange/pixel_rows.h"

namespace {

using Convert = void (*)(const uint8_t*, uint8_t*, size_t);

struct Layout {
    const char* name;
    Convert convert;
    int in, out;
    // Source byte for destination bytes 0, 1, 2 of the same pixel.
    int from[3];
};

// Every conversion against its definition, pixel by pixel: runs of every length up to
// a few vectors and past them, from and to addresses off any alignment, in both builds.
// The bytes just past the destination run must be left alone.
TEST(PixelRows, EveryLayoutMovesEachChannelToItsPlaceAndNothingElse) {
    const Layout layouts[] = {
        {"rgb to cells", rgbToCells, 3, 4, {0, 1, 2}}, {"cells to rgb", cellsToRgb, 4, 3, {0, 1, 2}},
        {"bgr to cells", bgrToCells, 3, 4, {2, 1, 0}}, {"bgrx to cells", bgrxToCells, 4, 4, {2, 1, 0}},
        {"cells to bgr", cellsToBgr, 4, 3, {2, 1, 0}}, {"cells to bgrx", cellsToBgrx, 4, 4, {2, 1, 0}},
    };
    const size_t counts[] = {0, 1, 2, 3, 5, 8, 15, 16, 17, 31, 32, 33, 64, 100, 1027};
    for (bool wide : {true, false}) {
        wideVectorsAllowed() = wide;
        for (const Layout& l : layouts) {
            for (size_t count : counts) {
                for (size_t misalign : {size_t(0), size_t(1), size_t(3)}) {
                    std::vector<uint8_t> src(misalign + count * size_t(l.in));
                    for (size_t i = 0; i < src.size(); ++i) src[i] = uint8_t(i * 37 + count);
                    std::vector<uint8_t> dst(misalign + count * size_t(l.out) + 8, 0xA5);
                    l.convert(src.data() + misalign, dst.data() + misalign, count);
                    std::vector<uint8_t> expected(dst.size(), 0xA5);
                    for (size_t p = 0; p < count; ++p) {
                        const uint8_t* s = src.data() + misalign + p * size_t(l.in);
                        uint8_t* e = expected.data() + misalign + p * size_t(l.out);
                        for (int k = 0; k < 3; ++k) e[k] = s[l.from[k]];
                        if (l.out == 4) e[3] = 255;
                    }
                    ASSERT_EQ(dst, expected) << l.name << ", " << count << " pixels, off by " << misalign
                                             << (wide ? ", wide" : ", baseline");
                }
            }
        }
    }
    wideVectorsAllowed() = true;
}

}  // namespace
