// The part-clipboard margins against a pixel-by-pixel reading of their definition,
// and the round trip that gives a picture back unchanged.
#include "exchange/part_clipboard.h"

#include <gtest/gtest.h>

#include "tests/exchange/exchange_pictures.h"
#include "tests/support/picture_compare.h"

namespace {

// Export: cell (c, i) shows source point (c - w/8, i - h/8), wrapped in connectable
// mode; a point outside keeps the color read last (white before the first read).
PicturePtr oracleExport(const Picture& p, bool connectable) {
    const int32_t mx = p.width / 8, my = p.height / 8;
    PicturePtr out = createPicture(p.width + 2 * mx, p.height + 2 * my, 0);
    uint8_t r = 255, g = 255, b = 255;
    for (int32_t i = 0; i < out->height; ++i) {
        for (int32_t c = 0; c < out->width; ++c) {
            int32_t x = c - mx, y = i - my;
            if (connectable) mapConnectable(p.width, p.height, x, y, &x, &y);
            getPixel(&p, x, y, &r, &g, &b);
            storePixel(out.get(), c, i, r, g, b);
        }
    }
    return out;
}

// Import: picture row y, column x is enlarged point (x + W/10, y + H/10).
PicturePtr oracleImport(const Picture& big) {
    const int32_t mx = big.width / 10, my = big.height / 10;
    PicturePtr out = createPicture(big.width - 2 * mx, big.height - 2 * my, 0);
    uint8_t r = 0, g = 0, b = 0;
    for (int32_t y = 0; y < out->height; ++y) {
        for (int32_t x = 0; x < out->width; ++x) {
            getPixel(&big, x + mx, y + my, &r, &g, &b);
            storePixel(out.get(), x, y, r, g, b);
        }
    }
    return out;
}

TEST(PartClipboard, MarginsFollowTheirDefinitionAndTheRoundTripIsExact) {
    const struct {
        int32_t width, height, exportedWidth, exportedHeight;
    } sizes[] = {
        {512, 512, 640, 640}, {1, 1, 1, 1},       {7, 5, 7, 5},     {8, 16, 10, 20},
        {13, 9, 15, 11},      {100, 37, 124, 45}, {31, 64, 37, 80},
    };
    for (const auto& s : sizes) {
        PicturePtr picture = busyPicture(s.width, s.height, uint32_t(s.width * 31 + s.height));
        for (bool connectable : {true, false}) {
            SCOPED_TRACE(std::to_string(s.width) + " x " + std::to_string(s.height) +
                         (connectable ? " connectable" : " clipped"));
            PicturePtr exported = partExportPicture(*picture, connectable);
            ASSERT_NE(exported, nullptr);
            EXPECT_EQ(exported->width, s.exportedWidth);
            EXPECT_EQ(exported->height, s.exportedHeight);
            EXPECT_EQ(firstDifference(oracleExport(*picture, connectable).get(), exported.get()), "");
            // w = 8k + r with r < 8 grows to 10k + r, whose tenth is k again: the
            // centre is the picture for every size.
            PicturePtr back = partImportCentre(*exported);
            EXPECT_EQ(firstDifference(picture.get(), back.get()), "");
        }
    }
}

TEST(PartClipboard, ImportKeepsTheCentreOfAnySize) {
    for (auto [w, h] : {std::pair{50, 50}, {5, 4}, {19, 23}, {640, 11}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        PicturePtr big = busyPicture(w, h, 5);
        EXPECT_EQ(firstDifference(oracleImport(*big).get(), partImportCentre(*big).get()), "");
    }
    EXPECT_EQ(partImportCheckedSide(5), 4);
    EXPECT_EQ(partImportCheckedSide(4), 3);
    EXPECT_EQ(partImportCheckedSide(640), 512);
    EXPECT_EQ(partImportCheckedSide(-7), -5);
    Picture empty;
    EXPECT_EQ(partExportPicture(empty, true), nullptr);
    EXPECT_EQ(partImportCentre(empty), nullptr);
}

}  // namespace
