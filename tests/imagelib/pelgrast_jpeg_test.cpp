// JPEG: lossy round trips within tolerance, grey and CMYK files, and broken data.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "pelgrast_host.h"

namespace {

const NamedSample& sample(const std::string& name) {
    static const std::vector<NamedSample> all = jpegSamples();
    for (const NamedSample& s : all)
        if (s.name == name) return s;
    throw std::runtime_error("no sample " + name);
}

double meanAbsoluteError(const Bytes& a, const Bytes& b) {
    if (a.size() != b.size() || a.empty()) return 1e9;
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i) sum += std::abs(int(a[i]) - int(b[i]));
    return sum / double(a.size());
}

// Offset of the frame header's height field (SOF0 or SOF2), or 0.
size_t frameSizeOffset(const Bytes& jpeg) {
    for (size_t i = 2; i + 9 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) return i + 5;
    return 0;
}

// Smooth content, which is what the format is made for (sharp detail loses more).
Bytes smoothRgb(int32_t w, int32_t h) {
    Bytes out;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            out.insert(out.end(), {uint8_t(x * 255 / std::max(1, w - 1)), uint8_t(y * 255 / std::max(1, h - 1)),
                                   uint8_t((x + y) * 255 / std::max(1, w + h - 2))});
    return out;
}

}  // namespace

class JpegRead : public ::testing::Test {
protected:
    TempFolder folder;
    Loaded load(const Bytes& bytes, int32_t mode = PG_MODE_RGB) { return loadBytes(folder, bytes, mode); }
};

TEST_F(JpegRead, SavedPictureComesBackCloseToTheOriginal) {
    for (auto [w, h] : {std::pair{40, 30}, std::pair{1, 1}, std::pair{23, 16}}) {
        const Bytes rgb = smoothRgb(w, h);
        const std::string path = folder.file("round.jpg");
        ASSERT_TRUE(pelgrast().save(path.c_str(), rgb.data(), w, h, 0));
        const Loaded l = loadFile(path, PG_MODE_RGBA);
        ASSERT_TRUE(l.ok);
        EXPECT_EQ(l.width, w);
        EXPECT_EQ(l.height, h);
        EXPECT_FALSE(l.hasAlpha);
        Bytes rgbBack;
        for (size_t i = 0; i < l.pixels.size(); i += 4) {
            rgbBack.insert(rgbBack.end(), {l.pixels[i], l.pixels[i + 1], l.pixels[i + 2]});
            EXPECT_EQ(l.pixels[i + 3], 255);
        }
        EXPECT_LT(meanAbsoluteError(rgbBack, rgb), 3.0) << w << "x" << h;
    }
}

TEST_F(JpegRead, BaselineProgressiveGreyAndCmykFiles) {
    const Bytes rgb = gradientRgb(17, 11);
    for (const char* name : {"rgb_baseline", "rgb_progressive"}) {
        const Loaded l = load(sample(name).bytes);
        ASSERT_TRUE(l.ok) << name;
        EXPECT_LT(meanAbsoluteError(l.pixels, rgb), 6.0) << name;
    }
    const Loaded grey = load(sample("grey").bytes);
    ASSERT_TRUE(grey.ok);
    ASSERT_EQ(grey.pixels.size(), 9u * 8 * 3);
    for (size_t i = 0; i < grey.pixels.size(); i += 3) {
        EXPECT_EQ(grey.pixels[i], grey.pixels[i + 1]);
        EXPECT_EQ(grey.pixels[i], grey.pixels[i + 2]);
    }
    // Adobe CMYK stores ink inverted: 200 everywhere is 200 * 200 / 255 = 156 of each color.
    const Loaded cmyk = load(sample("cmyk").bytes);
    ASSERT_TRUE(cmyk.ok);
    for (uint8_t v : cmyk.pixels) EXPECT_NEAR(v, 156, 3);
}

TEST_F(JpegRead, TruncatedOrCorruptDataFails) {
    for (const char* name : {"rgb_baseline", "rgb_progressive", "grey"}) {
        const Bytes& whole = sample(name).bytes;
        for (size_t n : {size_t(2), size_t(20), whole.size() / 2, whole.size() - 40}) {
            EXPECT_FALSE(load(Bytes(whole.begin(), whole.begin() + long(n))).ok) << name << " cut to " << n;
        }
    }
    Bytes garbage = sample("rgb_baseline").bytes;
    for (size_t i = 4; i < 40; ++i) garbage[i] = 0xA5;  // tables destroyed
    EXPECT_FALSE(load(garbage).ok);
}

TEST_F(JpegRead, HugeFrameWithLittleDataFailsFast) {
    Bytes bytes = sample("rgb_baseline").bytes;
    const size_t at = frameSizeOffset(bytes);
    ASSERT_NE(at, 0u);
    bytes[at] = bytes[at + 1] = bytes[at + 2] = bytes[at + 3] = 0xEA;  // 60138 x 60138
    Bytes tall = bytes;
    tall[at] = 0x10;
    tall[at + 1] = 0x00;  // 4096 rows: under the pixel limit, far over the data
    const auto start = std::chrono::steady_clock::now();
    const long long largest = largestAllocationDuring([&] {
        EXPECT_FALSE(load(bytes).ok);
        EXPECT_FALSE(load(tall).ok);
    });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_LT(largest, 16ll << 20) << "nothing near the announced size is allocated";
}

TEST_F(JpegRead, ScanCountIsBounded) {
    // Each scan is a pass over the picture's coefficients; a file of tiny scans would
    // otherwise multiply the work.
    const Loaded fewer = load(makeManyScanJpeg(16, 16, false));
    ASSERT_TRUE(fewer.ok) << "190 scans are within the limit";
    EXPECT_LT(meanAbsoluteError(fewer.pixels, gradientRgb(16, 16)), 8.0);
    EXPECT_FALSE(load(makeManyScanJpeg(16, 16, true)).ok) << "379 scans are over it";
}
