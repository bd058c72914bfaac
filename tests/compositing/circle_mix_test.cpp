#include <gtest/gtest.h>

#include <cstring>

#include "compositing/circle_mix.h"
#include "core/random_sequence.h"
#include "tests/compositing/circle_mix_oracle.h"
#include "tests/compositing/fake_tag_library.h"
#include "tests/support/fake_interaction.h"

namespace {

PicturePtr greyPicture(int32_t w, int32_t h) {
    PicturePtr p = createPicture(w, h, 0);
    for (int32_t i = 0; i < w * h; ++i) p->pixels[i * 4] = uint8_t(i * 5), p->pixels[i * 4 + 1] = 90;
    return p;
}

class CircleMix : public testing::Test {
protected:
    void SetUp() override {
        resetPaintSettings();
        FakeTagLibrary::files().clear();
        FakeTagLibrary::outstanding() = 0;
        FakeTagLibrary::files()["/s/big.png"] = framedTag(40, 36, 11);
        FakeTagLibrary::files()["/s/alpha.png"] = framedTag(26, 30, 12, true);
        FakeTagLibrary::files()["/s/small.png"] = framedTag(20, 14, 13);  // narrower than 4r for most radii
    }
    void TearDown() override {
        EXPECT_EQ(FakeTagLibrary::outstanding(), 0);
        resetPaintSettings();
    }
    // The loader's result for a readable fake file (white made transparent).
    static oracle::Tag loaded(const char* path) {
        const FakeTagFile& f = FakeTagLibrary::files()[path];
        oracle::Tag t{f.width, f.height, f.cells};
        if (!f.hasAlpha)
            for (size_t i = 0; i < t.cells.size(); i += 4)
                if (t.cells[i] == 255 && t.cells[i + 1] == 255 && t.cells[i + 2] == 255) t.cells[i + 3] = 0;
        return t;
    }
    ImageLibrary lib = FakeTagLibrary::library();
    FakeInteraction ui{4242};
};

// Whole runs against the definition: both modes, rotated (both rotations) and not, the
// opaque-percentage rules, reversed and empty ranges, a mix above 100 that wraps,
// sources smaller than the rotated square, and plugging until no hole is left.
TEST_F(CircleMix, RunsMatchTheDefinitionDrawForDraw) {
    struct Case {
        int32_t mixMin, mixMax, rMin, rMax, count, oMin, oMax;
        uint8_t rotation, plug;
    };
    const Case cases[] = {
        {80, 80, 4, 9, 12, 0, 0, 0, 0},     {30, 90, 4, 9, 12, 0, 50, 1, 0},     {80, 80, 9, 4, 12, 50, 50, 1, 0},
        {150, 150, 3, 7, 10, 20, 60, 1, 0}, {100, 100, 5, 6, 6, 100, 100, 1, 1}, {90, 20, 6, 8, 4, 50, 50, 0, 1},
        {100, 100, 3, 12, 8, 60, 70, 1, 1},
    };
    std::vector<std::optional<oracle::Tag>> tags = {loaded("/s/alpha.png"), loaded("/s/big.png"), std::nullopt,
                                                    loaded("/s/small.png")};
    CircleMixParams params;
    params.mixFiles = {"/s/alpha.png", "/s/big.png", "/s/missing.png", "/s/small.png"};
    for (size_t index = 0; index < std::size(cases); ++index)
        for (uint8_t connectable : {1, 0})
            for (bool antiAlias : {false, true}) {
                const Case& c = cases[index];
                if (!c.rotation && antiAlias) continue;
                SCOPED_TRACE(testing::Message()
                             << "case " << index << " connectable " << int(connectable) << " aa " << antiAlias);
                paintSettings().connectable = connectable;
                paintSettings().mixFromPercent = 40;
                paintSettings().mixToPercent = 100;
                static_cast<StoredCircleMix&>(params) = StoredCircleMix{c.mixMin, c.mixMax, c.rMin,     c.rMax, c.count,
                                                                        c.oMin,   c.oMax,   c.rotation, c.plug, {}};
                // With plugging off the edge the last holes of a clipped picture may
                // need many discs: the plugged cases keep connectable mode on.
                if (c.plug && !connectable) continue;

                PicturePtr want = greyPicture(29, 23), got = greyPicture(29, 23);
                CoverageMaskPtr mask(createCoverageMask(29, 23));
                oracle::mixCircles(want.get(), mask.get(), tags, params, antiAlias, uint32_t(ui.clock));
                const uint32_t state = randomState();
                ui.messages.clear();
                mixCircles(got.get(), params, antiAlias, lib, ui);
                ASSERT_EQ(0, std::memcmp(want->pixels, got->pixels, 29 * 23 * 4));
                EXPECT_EQ(randomState(), state);
                ASSERT_EQ(ui.messages.size(), 2u);
                EXPECT_EQ(ui.captionedMessages()[1], "KorvintePicture: The file /s/missing.png has incorrect format");
            }
}

// A plugging phase that can never end by itself (the only source too small for the
// radius) reports its passes and stops at Escape; so does a random phase of count 0.
TEST_F(CircleMix, EndlessPhasesStopAtEscape) {
    CircleMixParams params;
    params.mixFiles = {"/s/big.png"};
    params.discCount = 0;
    params.radiusMin = params.radiusMax = 30;  // never fits the 40 x 36 source: nothing is drawn
    params.plug = 1;
    ui.escapeAtPolls = {20, 30};  // ends the random phase, then plugging after some rows
    PicturePtr p = greyPicture(16, 12), before = greyPicture(16, 12);
    mixCircles(p.get(), params, false, lib, ui);
    EXPECT_EQ(0, std::memcmp(p->pixels, before->pixels, 16 * 12 * 4));
    EXPECT_EQ(ui.polls, 30);
    ASSERT_FALSE(ui.passes.empty());
    EXPECT_EQ(ui.progressed.size(), 19u + 10u * 16u);  // 19 random discs, then one a hole, row by row
}

}  // namespace
