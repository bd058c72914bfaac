#pragma once
// Seeded runs of a generator compared with its step-by-step definition over
// random picture sizes, both connectable modes, mix ranges and palettes. Pictures
// of 1500 on a side and more are large enough for the shapes' cells to be fetched
// ahead of their writing.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/paint_settings.h"
#include "generators/palette.h"
#include "tests/core/raster_oracle.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/picture_compare.h"

// A clean start: default settings and an empty palette.
inline void resetGeneratorState() {
    resetPaintSettings();
    currentPalette() = Palette{};
}

inline void compareGeneratorWithDefinition(int cases, uint32_t seed,
                                           const std::function<void(Picture*, std::mt19937&, Interaction&)>& fast,
                                           const std::function<void(Picture*, std::mt19937&, uint32_t)>& slow,
                                           int32_t minSide = 4, int32_t sideSpread = 60) {
    std::mt19937 rng(seed);
    for (int k = 0; k < cases; ++k) {
        resetGeneratorState();
        PaintSettings& s = paintSettings();
        s.connectable = uint8_t(rng() & 1);
        if (rng() % 2) {
            s.mixFromPercent = uint8_t(rng() % 110);
            s.mixToPercent = uint8_t(rng() % 110);
        }
        if (rng() % 3 == 0) {
            s.paletteOff = 0;
            Palette& pal = currentPalette();
            pal.count = int32_t(rng() % 5);
            for (auto& c : pal.colors) c = ShapeColor{uint8_t(rng()), uint8_t(rng()), uint8_t(rng())};
        }
        const int32_t w = minSide + int32_t(rng() % uint32_t(sideSpread));
        const int32_t h = minSide + int32_t(rng() % uint32_t(sideSpread));
        PicturePtr a(createPicture(w, h, 0));
        PicturePtr b(createPicture(w, h, 0));
        FakeInteraction ui;
        ui.clock = int64_t(rng()) + (int64_t(rng() % 4) << 32);

        const PaintSettings before = s;
        const auto state = rng;
        fast(a.get(), rng, ui);
        const uint8_t levelAfter = s.blendLevel;
        rng = state;
        s = before;
        slow(b.get(), rng, uint32_t(ui.clock));
        ASSERT_TRUE(samePixels(a.get(), b.get()))
            << "case " << k << ": " << w << "x" << h << " connectable " << int(s.connectable) << " mix "
            << int(s.mixFromPercent) << "-" << int(s.mixToPercent) << " palette " << currentPalette().count;
        ASSERT_EQ(levelAfter, s.blendLevel) << "the last shape's level stays";
    }
}
