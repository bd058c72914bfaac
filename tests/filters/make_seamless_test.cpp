// Make Seamless against plain double-precision versions written from the definitions,
// its three figures on generated pictures, and the inputs it must refuse.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "core/parallel.h"
#include "filters/make_seamless.h"
#include "filters/make_seamless_blend.h"
#include "filters/seam_measure.h"
#include "tests/filters/test_pictures.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/picture_compare.h"

namespace {

using Plane = std::vector<double>;  // one channel, row by row

Plane channelOf(const Picture& p, int c) {
    Plane out(size_t(p.width) * size_t(p.height));
    for (size_t k = 0; k < out.size(); ++k) out[k] = p.pixels[4 * k + size_t(c)];
    return out;
}

// The periodic component from its definition: the smooth part solves the periodic
// Poisson equation whose right-hand side is the jumps across the wrapped edges,
// solved by a plain 2-D transform in double (separable, no fast algorithm).
Plane periodicOracle(const Plane& u, int w, int h, bool alongX, bool alongY) {
    using C = std::complex<double>;
    std::vector<C> v(u.size());
    auto at = [&](int x, int y) { return u[size_t(y) * size_t(w) + size_t(x)]; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double jumps = 0;
            if (alongX && x == 0) jumps += at(w - 1, y) - at(0, y);
            if (alongX && x == w - 1) jumps += at(0, y) - at(w - 1, y);
            if (alongY && y == 0) jumps += at(x, h - 1) - at(x, 0);
            if (alongY && y == h - 1) jumps += at(x, 0) - at(x, h - 1);
            v[size_t(y) * size_t(w) + size_t(x)] = jumps;
        }
    }
    auto transform = [&](std::vector<C>& f, double sign) {
        std::vector<C> t(f.size());
        for (int y = 0; y < h; ++y)
            for (int r = 0; r < w; ++r)
                for (int x = 0; x < w; ++x)
                    t[size_t(y * w + r)] +=
                        f[size_t(y * w + x)] * std::polar(1.0, sign * 2 * std::numbers::pi * r * x / w);
        std::fill(f.begin(), f.end(), C{});
        for (int x = 0; x < w; ++x)
            for (int q = 0; q < h; ++q)
                for (int y = 0; y < h; ++y)
                    f[size_t(q * w + x)] +=
                        t[size_t(y * w + x)] * std::polar(1.0, sign * 2 * std::numbers::pi * q * y / h);
    };
    transform(v, -1);
    for (int q = 0; q < h; ++q) {
        for (int r = 0; r < w; ++r) {
            const double d =
                2 * std::cos(2 * std::numbers::pi * q / h) + 2 * std::cos(2 * std::numbers::pi * r / w) - 4;
            v[size_t(q * w + r)] = (q == 0 && r == 0) ? C{} : v[size_t(q * w + r)] / d;
        }
    }
    transform(v, 1);
    Plane out(u.size());
    for (size_t k = 0; k < u.size(); ++k) out[k] = u[k] - v[k].real() / (double(w) * h);
    return out;
}

// The blend from its definition: the one-axis blend with the half-shifted copy,
// along x and then along y, each m + (w (u - m) + (1 - w)(v - m)) / sqrt(w^2 + (1 - w)^2).
Plane blendOracle(const Plane& u, int w, int h, bool alongX, bool alongY) {
    double m = 0;
    for (double v : u) m += v;
    m /= double(u.size());
    auto blend = [&](double a, double b, double wt) {
        return m + (wt * (a - m) + (1 - wt) * (b - m)) / std::sqrt(wt * wt + (1 - wt) * (1 - wt));
    };
    Plane x = u;
    if (alongX)
        for (int y = 0; y < h; ++y)
            for (int i = 0; i < w; ++i)
                x[size_t(y * w + i)] =
                    blend(u[size_t(y * w + i)], u[size_t(y * w + (i + w / 2) % w)], seamlessBlendWeight(i, w));
    Plane out = x;
    if (alongY)
        for (int y = 0; y < h; ++y)
            for (int i = 0; i < w; ++i)
                out[size_t(y * w + i)] =
                    blend(x[size_t(y * w + i)], x[size_t(((y + h / 2) % h) * w + i)], seamlessBlendWeight(y, h));
    return out;
}

// Largest difference between a rounded channel and the oracle, counted in whole steps.
double worstStep(const Picture& p, int c, const Plane& oracle) {
    double worst = 0;
    for (size_t k = 0; k < oracle.size(); ++k) {
        const double want = std::clamp(oracle[k], 0.0, 255.0);
        worst = std::max(worst, std::abs(double(p.pixels[4 * k + size_t(c)]) - want));
    }
    return worst;
}

// A textured picture like a photograph of gravel: blotches of several sizes (box
// blurs of grain) over a gentle gradient, so its opposite edges differ.
PicturePtr makeTexture(int32_t w, int32_t h, uint32_t salt) {
    PicturePtr busy = makeBusyPicture(w, h, salt);
    auto grain = [&](int x, int y, int c) {
        return double(busy->pixels[4 * (size_t(std::clamp(y, 0, h - 1)) * size_t(w) + size_t(std::clamp(x, 0, w - 1))) +
                                   size_t(c)]) -
               127.5;
    };
    auto blotch = [&](int x, int y, int c, int r) {
        double sum = 0;
        for (int j = -r; j <= r; ++j)
            for (int i = -r; i <= r; ++i) sum += grain(x + i, y + j, c);
        return sum / ((2 * r + 1) * (2 * r + 1));
    };
    PicturePtr p(createPicture(w, h, 0));
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            uint8_t v[3];
            for (int c = 0; c < 3; ++c) {
                const double value = 90 + 40.0 * (x + c * y) / (w + h) + 3 * blotch(x, y, c, 3) +
                                     1.5 * blotch(x, y, (c + 1) % 3, 1) + grain(x, y, c) / 8;
                v[c] = uint8_t(std::clamp(value, 0.0, 255.0));
            }
            storePixel(p.get(), x, y, v[0], v[1], v[2]);
        }
    }
    return p;
}

double deviation(const Plane& v) {
    double m = 0, s = 0;
    for (double x : v) m += x;
    m /= double(v.size());
    for (double x : v) s += (x - m) * (x - m);
    return std::sqrt(s / double(v.size()));
}

// The picture minus its Gaussian blur of sigma 2 (edges clamped).
Plane fineDetail(const Plane& v, int w, int h) {
    std::vector<double> k(13);
    double total = 0;
    for (int i = -6; i <= 6; ++i) total += k[size_t(i + 6)] = std::exp(-i * i / 8.0);
    Plane t(v.size()), b(v.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int i = -6; i <= 6; ++i)
                t[size_t(y * w + x)] += k[size_t(i + 6)] / total * v[size_t(y * w + std::clamp(x + i, 0, w - 1))];
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int i = -6; i <= 6; ++i)
                b[size_t(y * w + x)] += k[size_t(i + 6)] / total * t[size_t(std::clamp(y + i, 0, h - 1) * w + x)];
    for (size_t i = 0; i < v.size(); ++i) b[i] = v[i] - b[i];
    return b;
}

struct Figures {
    double seamX, seamY, detail, contrast;
};

Figures figuresOf(const Picture& before, const Picture& after) {
    Figures f{};
    const SeamMeasure m = seamMeasure(after);
    f.seamX = m.columns.ratio;
    f.seamY = m.rows.ratio;
    for (int c = 0; c < 3; ++c) {
        const Plane a = channelOf(before, c), b = channelOf(after, c);
        f.detail += deviation(fineDetail(b, after.width, after.height)) /
                    deviation(fineDetail(a, before.width, before.height)) / 3;
        f.contrast += deviation(b) / deviation(a) / 3;
    }
    return f;
}

SeamlessOutcome run(Picture* p, SeamlessMethod method, SeamlessAxes axes) {
    FakeInteraction ui;
    return makeSeamless(p, {method, axes}, ui);
}

TEST(MakeSeamless, BothMethodsFollowTheirDefinitionsOnEverySizeAndAxis) {
    struct Case {
        int w, h;
        SeamlessAxes axes;
    };
    // Odd and even sides; the tall one crosses row blocks of the periodic solve.
    const Case cases[] = {{4, 4, SeamlessAxes::Both},       {7, 5, SeamlessAxes::Both},
                          {9, 8, SeamlessAxes::Horizontal}, {6, 11, SeamlessAxes::Vertical},
                          {5, 600, SeamlessAxes::Both},     {5, 531, SeamlessAxes::Vertical}};
    for (const Case& k : cases) {
        for (SeamlessMethod method : {SeamlessMethod::Periodic, SeamlessMethod::Blend}) {
            inBothWidths([&](bool wide) {
                PicturePtr before = makeTexture(k.w, k.h, uint32_t(k.w * 31 + k.h));
                PicturePtr after = copyPicture(before.get());
                ASSERT_EQ(run(after.get(), method, k.axes), SeamlessOutcome::Done);
                for (int c = 0; c < 3; ++c) {
                    const Plane u = channelOf(*before, c);
                    const bool x = seamlessAlongX(k.axes), y = seamlessAlongY(k.axes);
                    const Plane want = method == SeamlessMethod::Periodic ? periodicOracle(u, k.w, k.h, x, y)
                                                                          : blendOracle(u, k.w, k.h, x, y);
                    // Rounding half up of a float result may land one step from the double one.
                    EXPECT_LE(worstStep(*after, c, want), 1.0)
                        << k.w << "x" << k.h << " method " << int(method) << " channel " << c << " wide " << wide;
                }
                for (size_t i = 3; i < size_t(k.w) * k.h * 4; i += 4) ASSERT_EQ(after->pixels[i], 255);
            });
        }
    }
}

TEST(MakeSeamless, FiguresOnTexturesMeetTheirGoals) {
    struct Goal {
        SeamlessMethod method;
        double seam, detail, contrast;
    };
    const Goal goals[] = {{SeamlessMethod::Periodic, 1.0, 0.95, 0.9}, {SeamlessMethod::Blend, 1.3, 0.97, 0.92}};
    for (const Goal& g : goals) {
        for (auto [w, h] : {std::pair{96, 80}, std::pair{91, 67}}) {
            PicturePtr before = makeTexture(w, h, 7);
            const SeamMeasure raw = seamMeasure(*before);
            ASSERT_GT(raw.columns.ratio, 2.0);  // a picture with a seam to remove
            PicturePtr after = copyPicture(before.get());
            ASSERT_EQ(run(after.get(), g.method, SeamlessAxes::Both), SeamlessOutcome::Done);
            const Figures f = figuresOf(*before, *after);
            const std::string what =
                std::to_string(w) + "x" + std::to_string(h) + " method " + std::to_string(int(g.method));
            EXPECT_LE((f.seamX + f.seamY) / 2, g.seam) << what;
            EXPECT_LE(std::max(f.seamX, f.seamY), 1.5) << what;
            EXPECT_GE(f.detail, g.detail) << what;
            EXPECT_GE(f.contrast, g.contrast) << what;
            // One axis leaves the other's seam where it was.
            PicturePtr across = copyPicture(before.get());
            run(across.get(), g.method, SeamlessAxes::Horizontal);
            const SeamMeasure one = seamMeasure(*across);
            EXPECT_LE(one.columns.ratio, 1.5) << what;
            EXPECT_GT(one.rows.ratio, 0.5 * raw.rows.ratio) << what;
        }
    }
}

TEST(MakeSeamless, RefusesOrKeepsWhatItMust) {
    // Below 4 on a side: nothing changes.
    for (auto [w, h] : {std::pair{3, 10}, std::pair{10, 3}}) {
        PicturePtr p = makeTexture(w, h, 1);
        PicturePtr keep = copyPicture(p.get());
        EXPECT_EQ(run(p.get(), SeamlessMethod::Periodic, SeamlessAxes::Both), SeamlessOutcome::TooSmall);
        EXPECT_TRUE(samePixels(keep.get(), p.get()));
    }
    // One color comes back unchanged, odd size or not.
    for (SeamlessMethod method : {SeamlessMethod::Periodic, SeamlessMethod::Blend}) {
        PicturePtr p(createPicture(13, 6, 0));
        for (size_t k = 0; k < 13 * 6 * 4; k += 4) p->pixels[k] = 17, p->pixels[k + 1] = 200, p->pixels[k + 2] = 255;
        PicturePtr keep = copyPicture(p.get());
        EXPECT_EQ(run(p.get(), method, SeamlessAxes::Both), SeamlessOutcome::Done);
        EXPECT_EQ(firstDifference(*keep, *p), "");
    }
    // Escape before the second channel, answered Yes: the picture is as it was. The
    // first poll (a left-over key) is answered too but ignored.
    {
        PicturePtr p = makeTexture(40, 30, 2);
        PicturePtr keep = copyPicture(p.get());
        FakeInteraction ui;
        ui.escapeAtPolls = {1, 2};
        EXPECT_EQ(makeSeamless(p.get(), {SeamlessMethod::Periodic, SeamlessAxes::Both}, ui), SeamlessOutcome::Stopped);
        EXPECT_TRUE(samePixels(keep.get(), p.get()));
        EXPECT_EQ(ui.questionTexts(), (std::vector<std::string>{"Interrompre ?", "Interrompre ?"}));
        ui.escapeAtPolls = {};
        EXPECT_EQ(makeSeamless(p.get(), {SeamlessMethod::Periodic, SeamlessAxes::Both}, ui), SeamlessOutcome::Done);
        EXPECT_EQ(ui.progressed.back(), 3);
    }
    // The same input gives the same bytes, on one thread or several (the tall picture
    // has several row blocks to share out).
    for (SeamlessMethod method : {SeamlessMethod::Periodic, SeamlessMethod::Blend}) {
        PicturePtr a = makeTexture(45, 700, 3), b = copyPicture(a.get());
        setParallelThreads(1);
        run(a.get(), method, SeamlessAxes::Both);
        setParallelThreads(3);
        run(b.get(), method, SeamlessAxes::Both);
        setParallelThreads(0);
        EXPECT_EQ(firstDifference(*a, *b), "") << int(method);
    }
}

}  // namespace
