// Reading PNG: depths, color types, transparency, interlacing, and hostile files.
#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>
#include <chrono>
#include <cstring>

#include "pelgrast_host.h"

namespace {

const NamedSample& sample(const std::string& name) {
    static const std::vector<NamedSample> all = pngSamples();
    for (const NamedSample& s : all)
        if (s.name == name) return s;
    throw std::runtime_error("no sample " + name);
}

void putBe32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v >> 24);
    p[1] = uint8_t(v >> 16);
    p[2] = uint8_t(v >> 8);
    p[3] = uint8_t(v);
}

// Rewrites the IHDR size of a PNG and fixes its checksum, so only the lie remains.
Bytes withHeaderSize(Bytes png, uint32_t width, uint32_t height) {
    putBe32(&png[16], width);
    putBe32(&png[20], height);
    putBe32(&png[29], uint32_t(crc32(0, &png[12], 17)));
    return png;
}

}  // namespace

class PngRead : public ::testing::Test {
protected:
    TempFolder folder;
    Loaded load(const Bytes& bytes, int32_t mode = PG_MODE_RGB) { return loadBytes(folder, bytes, mode); }
};

TEST_F(PngRead, EightBitRgbPlainAndInterlacedAgree) {
    const Bytes expected = gradientRgb(7, 5);
    for (const char* name : {"rgb8", "rgb8_interlaced"}) {
        const Loaded l = load(sample(name).bytes);
        ASSERT_TRUE(l.ok) << name;
        EXPECT_EQ(l.width, 7);
        EXPECT_EQ(l.height, 5);
        EXPECT_FALSE(l.hasAlpha);
        EXPECT_EQ(l.pixels, expected) << name;
    }
}

TEST_F(PngRead, SixteenBitSamplesScaleToEightAndKeepAlpha) {
    const Loaded l = load(sample("rgba16").bytes, PG_MODE_RGBA);
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.hasAlpha);
    // 65535 -> 255, 32768 -> 128, 257 * n -> n.
    EXPECT_EQ(l.pixels,
              (Bytes{255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 1, 2, 3, 4, 255, 255, 255, 255, 0, 0, 0, 0}));
    const Loaded rgb = load(sample("rgba16").bytes, PG_MODE_RGB);
    ASSERT_TRUE(rgb.ok);
    EXPECT_TRUE(rgb.hasAlpha);
    EXPECT_EQ(rgb.pixels, (Bytes{255, 0, 0, 0, 255, 0, 0, 0, 255, 1, 2, 3, 255, 255, 255, 0, 0, 0}));
}

TEST_F(PngRead, PaletteWithTransparencyChunk) {
    const Loaded l = load(sample("palette2_trns").bytes, PG_MODE_RGBA);
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.hasAlpha);
    // Entries past the transparency list are opaque.
    const Bytes p0{10, 20, 30, 255}, p1{200, 100, 50, 128}, p2{0, 255, 0, 255}, p3{1, 2, 3, 255};
    Bytes expected;
    for (const Bytes* p : {&p0, &p1, &p2, &p3, &p3, &p2, &p1, &p0})
        expected.insert(expected.end(), p->begin(), p->end());
    EXPECT_EQ(l.pixels, expected);
}

TEST_F(PngRead, GreyDepthsAndGreyAlpha) {
    const Loaded g1 = load(sample("gray1").bytes);
    ASSERT_TRUE(g1.ok);
    EXPECT_FALSE(g1.hasAlpha);
    ASSERT_EQ(g1.pixels.size(), 9u * 2 * 3);
    const int bits[] = {1, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1, 0, 1, 0};
    for (size_t i = 0; i < 18; ++i)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(g1.pixels[i * 3 + size_t(c)], bits[i] ? 255 : 0) << i;

    const Loaded ga = load(sample("gray_alpha8").bytes, PG_MODE_RGBA);
    ASSERT_TRUE(ga.ok);
    EXPECT_TRUE(ga.hasAlpha);
    EXPECT_EQ(ga.pixels, (Bytes{0, 0, 0, 255, 100, 100, 100, 50, 200, 200, 200, 0, 255, 255, 255, 255}));

    PngLayout g16;
    g16.width = 2;
    g16.colorType = PNG_COLOR_TYPE_GRAY;
    g16.bitDepth = 16;
    g16.samples = {0x8080, 0xFFFF};
    g16.trnsGray = 0xFFFF;  // a grey transparency key also counts as alpha
    const Loaded l16 = load(makePng(g16), PG_MODE_RGBA);
    ASSERT_TRUE(l16.ok);
    EXPECT_TRUE(l16.hasAlpha);
    EXPECT_EQ(l16.pixels, (Bytes{128, 128, 128, 255, 255, 255, 255, 0}));
}

TEST_F(PngRead, EveryTruncationFailsOrGivesTheWholePicture) {
    // A cut after the last image data may still decode; it must then be complete.
    for (const NamedSample& s : pngSamples()) {
        const Loaded whole = load(s.bytes);
        ASSERT_TRUE(whole.ok) << s.name;
        for (size_t n = 0; n < s.bytes.size(); ++n) {
            const Loaded l = load(Bytes(s.bytes.begin(), s.bytes.begin() + long(n)));
            if (l.ok) EXPECT_EQ(l.pixels, whole.pixels) << s.name << " cut to " << n;
        }
        Bytes noEnd(s.bytes.begin(), s.bytes.end() - 12);
        EXPECT_TRUE(load(noEnd).ok) << "a missing end chunk loses nothing";
    }
}

TEST_F(PngRead, RefusesBrokenHeadersAndChecksums) {
    const Bytes good = sample("rgb8").bytes;
    EXPECT_FALSE(load(withHeaderSize(good, 0, 5)).ok);
    EXPECT_FALSE(load(withHeaderSize(good, 7, 0)).ok);
    EXPECT_FALSE(load(withHeaderSize(good, PG_MAX_SIDE + 1, 1)).ok);
    EXPECT_FALSE(load(withHeaderSize(good, 0x80000000u, 1)).ok);
    EXPECT_FALSE(load(withHeaderSize(good, 7, 6)).ok) << "one row more than the data holds";
    Bytes badCrc = good;
    badCrc[17] ^= 1;  // width changed, checksum not
    EXPECT_FALSE(load(badCrc).ok);
    Bytes badDepth = good;
    badDepth[24] = 3;
    putBe32(&badDepth[29], uint32_t(crc32(0, &badDepth[12], 17)));
    EXPECT_FALSE(load(badDepth).ok);
    Bytes corruptData = good;
    for (size_t i = 41; i < 60 && i < corruptData.size(); ++i) corruptData[i] ^= 0x5A;  // inside IDAT
    EXPECT_FALSE(load(corruptData).ok);
}

TEST_F(PngRead, HugeHeadersWithLittleDataFailFast) {
    // 16384 x 16384 announced, a few dozen bytes of image data: refused before
    // anything is allocated, and quickly.
    const Bytes plain = withHeaderSize(sample("rgb8").bytes, 16384, 16384);
    const Bytes interlaced = withHeaderSize(sample("rgb8_interlaced").bytes, 16000, 16000);
    const auto start = std::chrono::steady_clock::now();
    const long long largest = largestAllocationDuring([&] {
        EXPECT_FALSE(load(plain).ok);
        EXPECT_FALSE(load(interlaced).ok);
    });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_LT(largest, 16ll << 20) << "nothing near the announced size is allocated";
}

TEST_F(PngRead, LargeFlatPictureThatDeflatesWellStillLoads) {
    // The data-present check must not refuse honest, highly compressed files.
    PngLayout flat;
    flat.width = 2000;
    flat.height = 1000;
    flat.samples.assign(size_t(2000) * 1000 * 3, 77);
    const Bytes bytes = makePng(flat);
    ASSERT_LT(bytes.size(), 20000u);
    Loaded l;
    const long long largest = largestAllocationDuring([&] { l = load(bytes); });
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.pixels.size(), size_t(2000) * 1000 * 3);
    // Also shows the allocation probe of the "huge header" tests sees the library's buffers.
    if (largest != -1) EXPECT_GE(largest, 2000ll * 1000 * 3);
    EXPECT_EQ(l.pixels.back(), 77);
}
