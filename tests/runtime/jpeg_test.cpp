// JPEG coding and pixel rows through JpegTable, including the failure paths.
#include "runtime_host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "flat_jpeg.h"

namespace {

const JpegTable& jpeg() { return *runtimeRoot().jpegTable; }

std::vector<uint8_t> gradient(uint32_t w, uint32_t h) {
    std::vector<uint8_t> p(size_t(w) * h * 3);
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) {
            uint8_t* q = &p[(size_t(y) * w + x) * 3];
            // Gentle slopes: a smooth picture that compresses well at any size.
            q[0] = uint8_t(40 + (2 * x) % 180);
            q[1] = uint8_t(200 - (3 * y) % 150);
            q[2] = uint8_t(90 + (x + y) / 2 % 60);
        }
    return p;
}

std::vector<uint8_t> encode(const std::vector<uint8_t>& pixels, uint32_t w, uint32_t h, bool color, int quality) {
    std::vector<uint8_t> out(pixels.size() * 2 + 4096);
    uint32_t written = uint32_t(out.size());
    EXPECT_EQ(jpeg().encodeJpeg(out.data(), pixels.data(), w, h, color, quality, &written), 1);
    out.resize(written);
    return out;
}

struct Decoded {
    std::vector<uint8_t> pixels;
    int32_t width = -1, height = -1;
    bool ok = false;
    std::string messages;
};

Decoded decode(const std::vector<uint8_t>& data) {
    Decoded d;
    testing::internal::CaptureStderr();
    uint8_t* block = jpeg().decodeJpeg(data.data(), uint32_t(data.size()), &d.width, &d.height);
    d.messages = testing::internal::GetCapturedStderr();
    if (block) {
        d.ok = true;
        d.pixels.assign(block, block + size_t(d.width) * d.height * 3);
        EXPECT_EQ(runtimeRoot().runtimeFree(block), 1);
    }
    return d;
}

double meanError(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i) sum += std::abs(int(a[i]) - int(b[i]));
    return sum / double(a.size());
}

TEST(Jpeg, ColorAndGreyRoundTripsAtSeveralSizesAndQualities) {
    const std::pair<uint32_t, uint32_t> sizes[] = {{1, 1}, {17, 5}, {37, 1}, {3, 29}, {64, 48}};
    for (auto [w, h] : sizes)
        for (int quality : {10, 75, 100})
            for (bool color : {true, false}) {
                SCOPED_TRACE(testing::Message() << w << "x" << h << " q" << quality << (color ? " colour" : " grey"));
                const std::vector<uint8_t> original = gradient(w, h);
                Decoded d = decode(encode(original, w, h, color, quality));
                ASSERT_TRUE(d.ok) << d.messages;
                EXPECT_EQ(d.width, int32_t(w));
                EXPECT_EQ(d.height, int32_t(h));
                std::vector<uint8_t> expected = original;
                if (!color) {
                    jpeg().toGreyRows(expected.data(), w, h);
                    for (size_t i = 0; i < d.pixels.size(); i += 3) {
                        ASSERT_EQ(d.pixels[i], d.pixels[i + 1]);
                        ASSERT_EQ(d.pixels[i], d.pixels[i + 2]);
                    }
                }
                EXPECT_LT(meanError(d.pixels, expected), quality >= 75 ? 4.0 : 16.0);
            }
}

TEST(Jpeg, HigherQualityGivesLongerStreams) {
    const std::vector<uint8_t> p = gradient(64, 48);
    EXPECT_LT(encode(p, 64, 48, true, 10).size(), encode(p, 64, 48, true, 90).size());
    // Qualities out of range are limited by the library, not refused.
    EXPECT_EQ(encode(p, 64, 48, true, 0), encode(p, 64, 48, true, 1));
    EXPECT_EQ(encode(p, 64, 48, true, 500), encode(p, 64, 48, true, 100));
}

TEST(Jpeg, GreyEncodingUsesTruncatedLuminanceWeights) {
    std::vector<uint8_t> red(16 * 16 * 3);
    for (size_t i = 0; i < red.size(); i += 3) red[i] = 255;
    Decoded d = decode(encode(red, 16, 16, false, 100));
    ASSERT_TRUE(d.ok);
    for (uint8_t v : d.pixels) ASSERT_EQ(v, 76);  // trunc(76.245)
}

TEST(Jpeg, EncoderNeverWritesPastTheGivenCapacity) {
    const std::vector<uint8_t> p = gradient(40, 30);
    const std::vector<uint8_t> full = encode(p, 40, 30, true, 90);
    ASSERT_GT(full.size(), 200u);

    // Asking with no block reports the length needed.
    uint32_t written = 0;
    EXPECT_EQ(jpeg().encodeJpeg(nullptr, p.data(), 40, 30, 1, 90, &written), 0);
    EXPECT_EQ(written, full.size());

    std::vector<uint8_t> small(100 + 16, 0xEE);
    written = 100;
    EXPECT_EQ(jpeg().encodeJpeg(small.data(), p.data(), 40, 30, 1, 90, &written), 0);
    EXPECT_EQ(written, full.size());
    EXPECT_EQ(std::memcmp(small.data(), full.data(), 100), 0);
    for (size_t i = 100; i < small.size(); ++i)
        ASSERT_EQ(small[i], 0xEE) << "byte " << i << " past the capacity was written";

    std::vector<uint8_t> exact(full.size());
    written = uint32_t(exact.size());
    EXPECT_EQ(jpeg().encodeJpeg(exact.data(), p.data(), 40, 30, 1, 90, &written), 1);
    EXPECT_EQ(exact, full);

    EXPECT_EQ(jpeg().encodeJpeg(exact.data(), p.data(), 40, 30, 1, 90, nullptr), 0);
}

TEST(Jpeg, EncoderRefusesMissingPixelsAndImpossibleSizes) {
    std::vector<uint8_t> out(4096);
    const std::vector<uint8_t> p = gradient(4, 4);
    uint32_t written = uint32_t(out.size());
    EXPECT_EQ(jpeg().encodeJpeg(out.data(), nullptr, 4, 4, 1, 75, &written), 0);
    written = uint32_t(out.size());
    EXPECT_EQ(jpeg().encodeJpeg(out.data(), p.data(), 0, 4, 1, 75, &written), 0);
    written = uint32_t(out.size());
    EXPECT_EQ(jpeg().encodeJpeg(out.data(), p.data(), 4, 0, 0, 75, &written), 0);

    // Wider than the format allows: the library's error is reported before any row is read.
    testing::internal::CaptureStderr();
    written = uint32_t(out.size());
    EXPECT_EQ(jpeg().encodeJpeg(out.data(), p.data(), 70000, 1, 0, 75, &written), 0);
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find("JPEG Fatal Error"), std::string::npos) << messages;
    EXPECT_EQ(written, 0u);
}

TEST(Jpeg, ReadSizeFromTheHeaderOnly) {
    const std::vector<uint8_t> data = encode(gradient(33, 7), 33, 7, true, 75);
    int32_t w = 0, h = 0;
    EXPECT_EQ(jpeg().readJpegSize(data.data(), uint32_t(data.size()), &w, &h), 1);
    EXPECT_EQ(w, 33);
    EXPECT_EQ(h, 7);
    // A huge picture's header is read without decoding it.
    const std::vector<uint8_t> huge = flatJpeg(3, 60000, 50000, false);
    EXPECT_EQ(jpeg().readJpegSize(huge.data(), uint32_t(huge.size()), &w, &h), 1);
    EXPECT_EQ(w, 60000);
    EXPECT_EQ(h, 50000);

    testing::internal::CaptureStderr();
    const char junk[] = "definitely not a picture";
    EXPECT_EQ(jpeg().readJpegSize(junk, sizeof junk, &w, &h), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("JPEG Fatal Error"), std::string::npos);
}

TEST(Jpeg, EmptyAndForeignDataFailWithTheFatalBox) {
    Decoded empty = decode({});
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(empty.width, 0);
    EXPECT_EQ(empty.height, 0);
    EXPECT_NE(empty.messages.find("JPEG Fatal Error: Empty input file"), std::string::npos) << empty.messages;

    Decoded foreign = decode(std::vector<uint8_t>(500, 0x42));
    EXPECT_FALSE(foreign.ok);
    EXPECT_NE(foreign.messages.find("JPEG Fatal Error"), std::string::npos) << foreign.messages;

    // A JPEG start followed by nonsense.
    std::vector<uint8_t> bad = {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x03, 0x01};
    EXPECT_FALSE(decode(bad).ok);
}

TEST(Jpeg, TruncatedDataDecodesAsFarAsItGoes) {
    const std::vector<uint8_t> p = gradient(160, 120);
    const std::vector<uint8_t> full = encode(p, 160, 120, true, 90);
    // The tables alone take some 600 bytes: cut after them.
    ASSERT_GT(full.size() / 2, 800u);
    Decoded whole = decode(full);
    ASSERT_TRUE(whole.ok);
    for (size_t cut : {full.size() / 2, full.size() - 2, size_t(800)}) {
        SCOPED_TRACE(cut);
        Decoded part = decode(std::vector<uint8_t>(full.begin(), full.begin() + cut));
        ASSERT_TRUE(part.ok) << part.messages;
        EXPECT_EQ(part.width, 160);
        EXPECT_EQ(part.height, 120);
        EXPECT_NE(part.messages.find("Premature end of JPEG file"), std::string::npos) << part.messages;
    }
    // The first rows come from data that is all there.
    Decoded half = decode(std::vector<uint8_t>(full.begin(), full.begin() + full.size() / 2));
    EXPECT_TRUE(std::equal(half.pixels.begin(), half.pixels.begin() + 160 * 3 * 8, whole.pixels.begin()));
    // Cut inside the tables, there is no picture.
    EXPECT_FALSE(decode(std::vector<uint8_t>(full.begin(), full.begin() + 300)).ok);
}

TEST(Jpeg, ComponentCountsOtherThanThreeFillTheBlockAsDocumented) {
    Decoded grey = decode(flatJpeg(1, 9, 3));
    ASSERT_TRUE(grey.ok) << grey.messages;
    EXPECT_EQ(grey.width, 9);
    EXPECT_EQ(grey.height, 3);
    for (uint8_t v : grey.pixels) ASSERT_EQ(v, 128);

    Decoded color = decode(flatJpeg(3, 8, 8));
    ASSERT_TRUE(color.ok) << color.messages;
    for (uint8_t v : color.pixels) ASSERT_EQ(v, 128);

    for (int components : {2, 4}) {
        Decoded d = decode(flatJpeg(components, 13, 6));
        ASSERT_TRUE(d.ok) << components << ": " << d.messages;
        EXPECT_EQ(d.width, 13);
        ASSERT_EQ(d.pixels.size(), 13u * 6 * 3);
        for (uint8_t v : d.pixels) ASSERT_EQ(v, 0) << components << " components";
    }
}

TEST(Jpeg, AHugePictureAnnouncedByAFewBytesIsRefused) {
    Decoded d = decode(flatJpeg(1, 60000, 60000, false));
    EXPECT_FALSE(d.ok);
    EXPECT_NE(d.messages.find("JPEG Fatal Error"), std::string::npos);
}

TEST(JpegRows, GreyFlipAndSwap) {
    uint8_t px[3] = {10, 20, 30};
    EXPECT_EQ(jpeg().toGreyRows(px, 1, 1), 1);
    EXPECT_EQ(px[0], 18);
    EXPECT_EQ(px[1], 18);
    EXPECT_EQ(px[2], 18);
    uint8_t white[3] = {255, 255, 255};
    jpeg().toGreyRows(white, 1, 1);
    EXPECT_EQ(white[0], 255);

    std::vector<uint8_t> rows = {1, 1, 1, 2, 2, 2, 3, 3, 3};  // 3 rows of one pixel
    EXPECT_EQ(jpeg().flipRows(rows.data(), 3, 3), 1);
    EXPECT_EQ(rows, (std::vector<uint8_t>{3, 3, 3, 2, 2, 2, 1, 1, 1}));
    EXPECT_EQ(jpeg().flipRows(rows.data(), 3, 1), 1);
    EXPECT_EQ(rows, (std::vector<uint8_t>{3, 3, 3, 2, 2, 2, 1, 1, 1}));
    std::vector<uint8_t> four = {1, 2, 3, 4, 5, 6, 7, 8};  // 4 rows of 2 bytes
    jpeg().flipRows(four.data(), 2, 4);
    EXPECT_EQ(four, (std::vector<uint8_t>{7, 8, 5, 6, 3, 4, 1, 2}));

    std::vector<uint8_t> p = gradient(5, 3), original = p;
    EXPECT_EQ(jpeg().swapRedBlue(p.data(), 5, 3), 1);
    EXPECT_EQ(p[0], original[2]);
    EXPECT_EQ(p[2], original[0]);
    EXPECT_EQ(p[1], original[1]);
    jpeg().swapRedBlue(p.data(), 5, 3);
    EXPECT_EQ(p, original);

    EXPECT_EQ(jpeg().flipRows(nullptr, 3, 3), 0);
    EXPECT_EQ(jpeg().toGreyRows(nullptr, 3, 3), 0);
    EXPECT_EQ(jpeg().swapRedBlue(nullptr, 3, 3), 0);
}

}  // namespace
