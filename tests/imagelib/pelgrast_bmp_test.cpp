// Reading Windows bitmaps: every header, depth and compression, and the ways a
// hostile file lies about them.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "pelgrast_host.h"

namespace {

const Rgb8 kBlack{0, 0, 0}, kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};
const std::vector<Rgb8> kFour = {kBlack, kRed, kGreen, kBlue};

// Expected pixels given top row first.
Bytes rgbRows(const std::vector<std::vector<Rgb8>>& rows) {
    Bytes out;
    for (const auto& row : rows)
        for (const Rgb8& c : row) out.insert(out.end(), {c.r, c.g, c.b});
    return out;
}

const NamedSample& sample(const std::string& name) {
    static const std::vector<NamedSample> all = bmpSamples();
    for (const NamedSample& s : all)
        if (s.name == name) return s;
    throw std::runtime_error("no sample " + name);
}

BmpLayout plain24(int32_t w, int32_t h) {
    BmpLayout s;
    s.width = w;
    s.height = h;
    s.bpp = 24;
    s.pixels = Bytes(size_t((w * 3 + 3) / 4 * 4) * size_t(h < 0 ? -h : h), 0x55);
    return s;
}

}  // namespace

class BmpRead : public ::testing::Test {
protected:
    TempFolder folder;
    Loaded load(const Bytes& bytes, int32_t mode = PG_MODE_RGB) { return loadBytes(folder, bytes, mode); }
};

TEST_F(BmpRead, PaletteDepthsBottomUp) {
    // Sample rows as stored (bottom first): {0,1,2,3,1}, {3,2,1,0,2}, {1,1,3,3,0}.
    const auto expected = [](bool oneBit) {
        auto c = [&](int i) { return oneBit ? kFour[i & 1] : kFour[i]; };
        return rgbRows(
            {{c(1), c(1), c(3), c(3), c(0)}, {c(3), c(2), c(1), c(0), c(2)}, {c(0), c(1), c(2), c(3), c(1)}});
    };
    for (const char* name : {"bmp1", "bmp4", "bmp8"}) {
        const Loaded l = load(sample(name).bytes);
        ASSERT_TRUE(l.ok) << name;
        EXPECT_EQ(l.width, 5);
        EXPECT_EQ(l.height, 3);
        EXPECT_FALSE(l.hasAlpha);
        EXPECT_EQ(l.pixels, expected(std::string(name) == "bmp1")) << name;
    }
}

TEST_F(BmpRead, CoreHeaderWithThreeBytePalette) {
    const Loaded l = load(sample("bmp8_core").bytes);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.pixels, rgbRows({{kBlue, kBlack}, {kRed, kGreen}}));
}

TEST_F(BmpRead, TopDown24Bit) {
    const Loaded l = load(sample("bmp24_topdown").bytes);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.width, 3);
    EXPECT_EQ(l.height, 2);
    EXPECT_EQ(l.pixels, rgbRows({{kBlue, kGreen, kRed}, {kWhite, {128, 128, 128}, kBlack}}));
}

TEST_F(BmpRead, SixteenBitDefaultAndBitFields) {
    // 5-bit channels widen with rounding: 0x10 -> 132.
    const Loaded l555 = load(sample("bmp16_555").bytes);
    ASSERT_TRUE(l555.ok);
    EXPECT_EQ(l555.pixels, rgbRows({{kWhite, {132, 132, 132}, kBlack}, {kRed, kGreen, kBlue}}));
    const Loaded l565 = load(sample("bmp16_565").bytes);
    ASSERT_TRUE(l565.ok);
    EXPECT_EQ(l565.pixels, rgbRows({{kWhite, {132, 130, 132}, kBlack}, {kRed, kGreen, kBlue}}));
}

TEST_F(BmpRead, ThirtyTwoBitAlphaMaskGivesAlpha) {
    const Loaded l = load(sample("bmp32_v5_alpha").bytes, PG_MODE_RGBA);
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.hasAlpha);
    EXPECT_EQ(l.pixels, (Bytes{0, 0, 255, 0, 255, 255, 255, 64, 255, 0, 0, 128, 0, 255, 0, 255}));
    const Loaded rgb = load(sample("bmp32_v5_alpha").bytes, PG_MODE_RGB);
    ASSERT_TRUE(rgb.ok);
    EXPECT_TRUE(rgb.hasAlpha) << "the flag describes the file, whatever the mode";
    EXPECT_EQ(rgb.pixels, rgbRows({{kBlue, kWhite}, {kRed, kGreen}}));
}

TEST_F(BmpRead, PlainThirtyTwoBitHasNoAlpha) {
    BmpLayout s;
    s.width = 2;
    s.bpp = 32;
    s.pixels = packRows({{0x12FF0000, 0x000000FF}}, 32);  // the top byte is padding here
    const Loaded l = load(makeBmp(s), PG_MODE_RGBA);
    ASSERT_TRUE(l.ok);
    EXPECT_FALSE(l.hasAlpha);
    EXPECT_EQ(l.pixels, (Bytes{255, 0, 0, 255, 0, 0, 255, 255}));
}

TEST_F(BmpRead, MasksInsideNewerHeadersAndTopBitMasks) {
    BmpLayout s;
    s.headerSize = 56;
    s.width = 2;
    s.bpp = 32;
    s.compression = 3;
    s.masks = {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};  // RGBA, red in the top byte
    s.pixels = packRows({{0x11223344, 0xFF000080}}, 32);
    const Loaded l = load(makeBmp(s), PG_MODE_RGBA);
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.hasAlpha);
    EXPECT_EQ(l.pixels, (Bytes{0x11, 0x22, 0x33, 0x44, 0xFF, 0, 0, 0x80}));
    s.headerSize = 52;  // no alpha mask field
    s.masks.pop_back();
    const Loaded l52 = load(makeBmp(s), PG_MODE_RGBA);
    ASSERT_TRUE(l52.ok);
    EXPECT_FALSE(l52.hasAlpha);
    EXPECT_EQ(l52.pixels, (Bytes{0x11, 0x22, 0x33, 255, 0xFF, 0, 0, 255}));
    s.compression = 6;  // four masks announced, room for three: nothing is read past the header
    const Loaded alpha52 = load(makeBmp(s), PG_MODE_RGBA);
    ASSERT_TRUE(alpha52.ok);
    EXPECT_FALSE(alpha52.hasAlpha);
    EXPECT_EQ(alpha52.pixels, l52.pixels);
}

TEST_F(BmpRead, Rle8RunsAbsoluteRunsDeltasAndEndMarkers) {
    const Loaded l = load(sample("bmp_rle8").bytes, PG_MODE_RGBA);
    ASSERT_TRUE(l.ok);
    const Rgb8 skipped = kBlack;
    EXPECT_EQ(l.width, 6);
    Loaded asRgb = load(sample("bmp_rle8").bytes);
    EXPECT_EQ(asRgb.pixels, rgbRows({{skipped, kBlue, kBlue, skipped, skipped, skipped},
                                     {skipped, skipped, skipped, skipped, skipped, skipped},
                                     {kRed, kRed, kRed, kGreen, kBlue, kGreen}}));
    for (size_t i = 3; i < l.pixels.size(); i += 4) EXPECT_EQ(l.pixels[i], 255) << "skipped pixels are opaque";
}

TEST_F(BmpRead, Rle4NibbleRunsClippedAtTheRowEnd) {
    const Loaded l = load(sample("bmp_rle4").bytes);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.pixels, rgbRows({{kBlue, kBlue, kBlue, kBlue, kBlue}, {kRed, kGreen, kRed, kGreen, kBlue}}));
}

TEST_F(BmpRead, RleRunsAndDeltasOutsideThePictureWriteNothing) {
    BmpLayout s;
    s.width = 2;
    s.height = 2;
    s.bpp = 8;
    s.compression = 1;
    s.palette = kFour;
    // A run of 255 on a 2-wide row, an absolute run past the end, a delta far off, then EOB.
    s.pixels = {255, 1, 0, 4, 2, 2, 2, 2, 0, 2, 200, 200, 3, 3, 0, 1};
    const Loaded l = load(makeBmp(s));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.pixels, rgbRows({{kBlack, kBlack}, {kRed, kRed}}));
}

TEST_F(BmpRead, PaletteIndicesBeyondThePaletteAreBlack) {
    BmpLayout s;
    s.width = 3;
    s.bpp = 8;
    s.palette = {kRed, kGreen};
    s.colorsUsed = 100000;  // lies: far more than a byte can index or the file holds
    s.pixels = packRows({{1, 2, 255}}, 8);
    const Loaded l = load(makeBmp(s));
    ASSERT_TRUE(l.ok);
    // The claimed palette runs into the pixels: only what lies before them counts.
    EXPECT_EQ(l.pixels, rgbRows({{kGreen, kBlack, kBlack}}));
}

TEST_F(BmpRead, RefusesLyingOrUnsupportedHeaders) {
    struct Case {
        const char* what;
        BmpLayout layout;
    };
    std::vector<Case> cases;
    auto add = [&](const char* what, auto change) {
        BmpLayout s = plain24(4, 2);
        change(s);
        cases.push_back({what, s});
    };
    add("zero width", [](BmpLayout& s) { s.width = 0; });
    add("zero height", [](BmpLayout& s) { s.height = 0; });
    add("negative width", [](BmpLayout& s) { s.width = -4; });
    add("INT_MIN height", [](BmpLayout& s) { s.height = INT_MIN; });
    add("side over the limit", [](BmpLayout& s) { s.width = PG_MAX_SIDE + 1; });
    add("pixel count over the limit", [](BmpLayout& s) { s.width = s.height = 20000; });
    add("2 bits per pixel", [](BmpLayout& s) { s.bpp = 2; });
    add("64 bits per pixel", [](BmpLayout& s) { s.bpp = 64; });
    add("0 bits per pixel", [](BmpLayout& s) { s.bpp = 0; });
    add("header size 64", [](BmpLayout& s) { s.headerSize = 64; });
    add("header size 20", [](BmpLayout& s) { s.headerSize = 20; });
    add("JPEG inside", [](BmpLayout& s) { s.compression = 4; });
    add("RLE8 on 24 bits", [](BmpLayout& s) { s.compression = 1; });
    add("bit fields on 24 bits", [](BmpLayout& s) {
        s.compression = 3;
        s.masks = {0xFF0000, 0xFF00, 0xFF};
        s.masksAfterHeader = true;
    });
    add("truncated pixels", [](BmpLayout& s) { s.pixels.resize(s.pixels.size() - 1); });
    add("offset inside the header", [](BmpLayout& s) { s.pixelOffset = 20; });
    add("offset zero", [](BmpLayout& s) { s.pixelOffset = 0; });
    auto masks = [&](const char* what, std::vector<uint32_t> m, uint16_t bpp) {
        add(what, [&](BmpLayout& s) {
            s.bpp = bpp;
            s.compression = 3;
            s.masks = m;
            s.masksAfterHeader = true;
            s.pixels = Bytes(64, 0x55);
        });
    };
    masks("zero masks", {0, 0, 0}, 32);
    masks("overlapping masks", {0xFF00, 0x0FF0, 0x000F}, 16);
    masks("gap in a mask", {0xF0F000, 0xFF00, 0xFF}, 32);
    masks("16-bit masks past 16 bits", {0xFF0000, 0xFF00, 0xFF}, 16);

    for (const Case& c : cases) EXPECT_FALSE(load(makeBmp(c.layout)).ok) << c.what;
    Bytes pastEnd = makeBmp(plain24(4, 2));
    pastEnd[10] = 0xA0;
    pastEnd[11] = 0x86;
    pastEnd[12] = 0x01;  // pixel offset 100000 in a 78-byte file
    EXPECT_FALSE(load(pastEnd).ok) << "offset past the end";
    // Masks counted in a 40-byte header but missing from the file.
    BmpLayout s = plain24(1, 1);
    s.bpp = 32;
    s.compression = 3;
    Bytes bytes = makeBmp(s);
    bytes.resize(14 + 40 + 4);
    EXPECT_FALSE(load(bytes).ok);
}

TEST_F(BmpRead, EveryTruncationFailsCleanly) {
    for (const NamedSample& s : bmpSamples()) {
        for (size_t n = 0; n < s.bytes.size(); ++n) {
            const Bytes prefix(s.bytes.begin(), s.bytes.begin() + long(n));
            EXPECT_FALSE(load(prefix).ok) << s.name << " cut to " << n;
        }
    }
}

TEST_F(BmpRead, RleMissingItsEndOrCutInARunFails) {
    BmpLayout s;
    s.width = 4;
    s.height = 2;
    s.bpp = 8;
    s.compression = 1;
    s.palette = kFour;
    s.pixels = {4, 1, 0, 0};  // one row, then nothing
    EXPECT_FALSE(load(makeBmp(s)).ok);
    s.pixels = {0, 5, 1, 1};  // absolute run of five with two bytes present
    EXPECT_FALSE(load(makeBmp(s)).ok);
    s.pixels = {4, 1, 0, 0, 4, 2, 0, 0};  // every row ended: no marker needed
    EXPECT_TRUE(load(makeBmp(s)).ok);
}

TEST_F(BmpRead, HugeHeadersWithLittleDataFailFastWithoutAllocating) {
    BmpLayout rle;
    rle.width = 16384;
    rle.height = 16384;
    rle.bpp = 8;
    rle.compression = 1;
    rle.palette = kFour;
    rle.pixels = {0, 1};  // end of bitmap right away: legal, but a 256M-pixel memory bomb
    BmpLayout raw = plain24(1, 1);
    raw.width = raw.height = 16384;
    raw.pixels.resize(64);
    const Bytes rleFile = makeBmp(rle), rawFile = makeBmp(raw);
    const auto start = std::chrono::steady_clock::now();
    const long long largest = largestAllocationDuring([&] {
        EXPECT_FALSE(load(rleFile).ok);
        EXPECT_FALSE(load(rawFile).ok);
    });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_LT(largest, 16ll << 20) << "nothing near the announced size is allocated";
}

namespace {

// Bitmaps larger than the library's first read, whose rows it takes in bands of
// chunks: every stored byte comes from a hash, so any row or byte taken from the
// wrong place shows.
uint8_t storedByte(size_t row, size_t i) {
    uint32_t h = uint32_t(row) * 0x9E3779B1u ^ uint32_t(i) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    return uint8_t(h >> 13);
}

// What a reader makes of pixel x of stored row `row`, from the format's definition:
// palette indices packed from the high bits, 16-bit 5-5-5 widened with rounding,
// 24 and 32 bits blue first, the fourth byte alpha only when a mask says so.
Bytes expectedPixel(const BmpLayout& s, const Bytes& row, int32_t x, int channels) {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    if (s.bpp <= 8) {
        const int perByte = 8 / s.bpp;
        const int index = (row[size_t(x / perByte)] >> (8 - s.bpp * (x % perByte + 1))) & ((1 << s.bpp) - 1);
        const Rgb8 c = size_t(index) < s.palette.size() ? s.palette[size_t(index)] : Rgb8{0, 0, 0};
        r = c.r, g = c.g, b = c.b;
    } else if (s.bpp == 16) {
        const int v = row[size_t(2 * x)] | row[size_t(2 * x + 1)] << 8;
        const auto widen = [](int five) { return uint8_t((five * 255 + 15) / 31); };
        r = widen(v >> 10 & 31), g = widen(v >> 5 & 31), b = widen(v & 31);
    } else {
        const size_t at = size_t(x) * (s.bpp / 8);
        b = row[at], g = row[at + 1], r = row[at + 2];
        if (s.masks.size() == 4) a = row[at + 3];
    }
    return channels == 3 ? Bytes{r, g, b} : Bytes{r, g, b, a};
}

}  // namespace

TEST_F(BmpRead, LargeBitmapsReadInBandsGiveEveryRowInItsPlace) {
    std::vector<Rgb8> palette256;
    for (int i = 0; i < 256; ++i) palette256.push_back({uint8_t(i * 7), uint8_t(255 - i), uint8_t(i * 13)});
    struct Case {
        const char* name;
        uint16_t bpp;
        int32_t width, height;  // negative height: top-down
        bool alphaMask;
        int64_t pixelOffset;  // -1: right after the palette
    };
    const Case cases[] = {
        {"24 bits, odd width, bottom-up", 24, 2001, 300, false, -1},
        {"24 bits, top-down", 24, 1003, -257, false, -1},
        {"24 bits, one column", 24, 1, 3000, false, -1},
        {"24 bits, one row", 24, 16384, 1, false, -1},
        {"24 bits, pixels after a gap past the first read", 24, 999, 70, false, 9000},
        {"32 bits", 32, 517, 600, false, -1},
        {"32 bits with an alpha mask, top-down", 32, 700, -301, true, -1},
        {"16 bits", 16, 1001, 400, false, -1},
        {"8 bits, short palette", 8, 1999, 200, false, -1},
        {"4 bits", 4, 3001, 130, false, -1},
        {"1 bit", 1, 9999, 90, false, -1},
    };
    for (const Case& c : cases) {
        BmpLayout s;
        s.width = c.width;
        s.height = c.height;
        s.bpp = c.bpp;
        s.pixelOffset = c.pixelOffset;
        if (c.bpp <= 8) s.palette.assign(palette256.begin(), palette256.begin() + (c.bpp == 8 ? 200 : 1 << c.bpp));
        if (c.alphaMask) {
            s.headerSize = 56;
            s.compression = 3;
            s.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
        }
        const int32_t rows = c.height < 0 ? -c.height : c.height;
        const size_t stride = (size_t(c.width) * c.bpp + 31) / 32 * 4;
        for (size_t row = 0; row < size_t(rows); ++row)
            for (size_t i = 0; i < stride; ++i) s.pixels.push_back(storedByte(row, i));
        const Bytes file = makeBmp(s);
        for (int channels : {3, 4}) {
            const Loaded l = load(file, channels == 3 ? PG_MODE_RGB : PG_MODE_RGBA);
            ASSERT_TRUE(l.ok) << c.name;
            ASSERT_EQ(l.pixels.size(), size_t(c.width) * size_t(rows) * size_t(channels)) << c.name;
            EXPECT_EQ(l.hasAlpha, c.alphaMask) << c.name;
            Bytes expected;
            for (int32_t y = 0; y < rows; ++y) {
                const size_t stored = c.height < 0 ? size_t(y) : size_t(rows - 1 - y);
                const Bytes row(s.pixels.begin() + long(stored * stride),
                                s.pixels.begin() + long((stored + 1) * stride));
                for (int32_t x = 0; x < c.width; ++x) {
                    const Bytes px = expectedPixel(s, row, x, channels);
                    expected.insert(expected.end(), px.begin(), px.end());
                }
            }
            EXPECT_TRUE(l.pixels == expected) << c.name << ", " << channels << " channels";
        }
        // Short by the last byte, or by everything past the first rows: refused.
        const size_t pixelStart = size_t(file[10] | file[11] << 8 | file[12] << 16);
        for (size_t keep : {file.size() - 1, file.size() / 2, size_t(5000)}) {
            if (keep >= file.size() || keep < pixelStart) continue;
            EXPECT_FALSE(load(Bytes(file.begin(), file.begin() + long(keep))).ok) << c.name << " cut to " << keep;
        }
    }
}
