#include "filters/make_seamless_periodic.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <numbers>
#include <vector>

#include "core/connectable.h"
#include "core/parallel.h"
#include "core/wide_pass.h"

namespace {

// Far rows whose weight falls below this share of the nearest one are left out of the
// closed forms that start a block; the rows are stored as floats, far coarser.
constexpr double kNegligible = 1e-8;

struct FftwDeleter {
    void operator()(float* p) const { fftwf_free(p); }
};
using FloatBuffer = std::unique_ptr<float[], FftwDeleter>;

// FFTW's own allocation, so every row has the alignment the plans were made for.
FloatBuffer floatBuffer(size_t count) {
    void* p = fftwf_malloc(sizeof(float) * std::max<size_t>(count, 1));
    if (!p) throw std::bad_alloc();
    return FloatBuffer(static_cast<float*>(p));
}

// The in-place forward and inverse real transforms of one row of n samples, made once
// per length and kept for the rest of the run.
struct RowPlans {
    fftwf_plan forward = nullptr;
    fftwf_plan inverse = nullptr;
};

// Every plan made, released when the program ends.
struct PlanStore {
    std::mutex mutex;
    std::map<int32_t, RowPlans> plans;
    ~PlanStore() {
        for (auto& [n, p] : plans) {
            fftwf_destroy_plan(p.forward);
            fftwf_destroy_plan(p.inverse);
        }
        fftwf_cleanup();
    }
};

RowPlans rowPlans(int32_t n) {
    static PlanStore store;
    const std::lock_guard lock(store.mutex);
    auto& plans = store.plans;
    auto found = plans.find(n);
    if (found != plans.end()) return found->second;
    FloatBuffer row = floatBuffer(2 * size_t(n / 2 + 1));
    auto* spectrum = reinterpret_cast<fftwf_complex*>(row.get());
    RowPlans made;
    made.forward = fftwf_plan_dft_r2c_1d(n, row.get(), spectrum, FFTW_ESTIMATE);
    made.inverse = fftwf_plan_dft_c2r_1d(n, spectrum, row.get(), FFTW_ESTIMATE);
    if (!made.forward || !made.inverse) throw std::bad_alloc();
    plans.emplace(n, made);
    return made;
}

// What every block of one channel shares. Spectra are stored interleaved (real,
// imaginary), one lane pair per frequency r of 0..n/2.
struct ChannelSolve {
    int32_t width = 0;
    int32_t height = 0;
    int32_t lanes = 0;          // 2 * (width / 2 + 1)
    std::vector<double> a;      // left/right jump of each row: u(i, n-1) - u(i, 0)
    std::vector<double> rho;    // per lane: the root in (0, 1) of rho + 1/rho = 4 - 2 cos(2 pi r / n)
    std::vector<double> x;      // per lane: 1 - e^(2 pi i r / n), the transform of the column jumps' pattern
    std::vector<double> b;      // per lane: the transform of the top/bottom jumps
    std::vector<double> scale;  // per lane: -rho / n
    double ramp = 0.0;          // the r = 0 lane: the mean top/bottom jump spread as a ramp
};

double pow_i(double base, int64_t exponent) { return std::pow(base, double(exponent)); }

// Terms of a geometric weighting by rho before the weights fall below kNegligible.
int64_t reachOf(double rho) { return int64_t(std::ceil(std::log(kNegligible) / std::log(rho))) + 1; }

// The causal recursion y(i) = g(i) + rho y(i - 1) over the periodic right-hand side
// g(i) = x a(i) + b e(i), e = +1 at row 0 and -1 at the last row, taken at row i
// directly: the parts carried by a and by e, without x and b.
struct Parts {
    double a = 0.0;
    double e = 0.0;
};

Parts causalStart(const ChannelSolve& s, double rho, int32_t i) {
    const int32_t m = s.height;
    const double wrap = 1.0 / (1.0 - pow_i(rho, m));
    Parts p;
    p.e = wrap * (pow_i(rho, i) - pow_i(rho, (i + 1) % m));
    const int64_t reach = reachOf(rho);
    double w = 1.0;
    if (reach >= m) {
        for (int32_t k = 0; k < m; ++k, w *= rho) p.a += w * s.a[size_t(wrapIndex(int64_t(i) - k, m))];
        p.a *= wrap;
    } else {
        for (int64_t k = 0; k < reach; ++k, w *= rho) p.a += w * s.a[size_t(wrapIndex(int64_t(i) - k, m))];
    }
    return p;
}

// The anticausal recursion z(i) = y(i) + rho z(i + 1) taken at row i directly:
// z(i) = sum over all d of rho^|d| g(i + d) / (1 - rho^2).
Parts anticausalStart(const ChannelSolve& s, double rho, int32_t i) {
    const int32_t m = s.height;
    const double wrap = 1.0 / (1.0 - pow_i(rho, m));
    const double both = 1.0 / (1.0 - rho * rho);
    // The periodic two-sided weight at distance t of 0..m-1.
    auto periodic = [&](int32_t t) { return wrap * (pow_i(rho, t) + pow_i(rho, m - t)); };
    Parts p;
    p.e = both * (periodic(int32_t(wrapIndex(-int64_t(i), m))) - periodic(int32_t(wrapIndex(int64_t(m) - 1 - i, m))));
    const int64_t reach = reachOf(rho);
    if (2 * reach + 1 >= m) {
        double near = 1.0;           // rho^t
        double far = pow_i(rho, m);  // rho^(m - t)
        const double inverse = 1.0 / rho;
        for (int32_t t = 0; t < m; ++t, near *= rho, far *= inverse) {
            p.a += (near + far) * s.a[size_t(wrapIndex(int64_t(i) + t, m))];
        }
        p.a *= wrap * both;
    } else {
        p.a = s.a[size_t(i)];
        double w = rho;
        for (int64_t d = 1; d < reach; ++d, w *= rho) {
            p.a += w * (s.a[size_t(wrapIndex(int64_t(i) + d, m))] + s.a[size_t(wrapIndex(int64_t(i) - d, m))]);
        }
        p.a *= both;
    }
    return p;
}

// One causal step over all lanes: state = x a + b e + rho state, stored as floats.
WIDE_PASS_BODY void causalBody(double* __restrict state, const double* __restrict rho, const double* __restrict x,
                               const double* __restrict b, double a, double e, float* __restrict row, int32_t lanes) {
    for (int32_t k = 0; k < lanes; ++k) {
        state[k] = x[k] * a + b[k] * e + rho[k] * state[k];
        row[k] = float(state[k]);
    }
}

// One anticausal step: state = y + rho state; the row's spectrum of s is scale * state.
WIDE_PASS_BODY void anticausalBody(double* __restrict state, const double* __restrict rho,
                                   const double* __restrict scale, const float* __restrict y,
                                   float* __restrict spectrum, int32_t lanes) {
    for (int32_t k = 0; k < lanes; ++k) {
        state[k] = double(y[k]) + rho[k] * state[k];
        spectrum[k] = float(scale[k] * state[k]);
    }
}

// out = u - s, rounded half up and clamped, from one channel of a row of pixels into
// the same channel (out may be u itself) or into a row of single bytes.
WIDE_PASS_BODY void subtractBody(const uint8_t* u, const float* __restrict s, uint8_t* out, int32_t count) {
    for (int32_t j = 0; j < count; ++j) {
        const float v = std::clamp(float(u[4 * j]) - s[j], 0.0f, 255.0f);
        out[4 * j] = uint8_t(int32_t(v + 0.5f));
    }
}

WIDE_PASS_BODY void subtractToBytesBody(const uint8_t* __restrict u, const float* __restrict s, uint8_t* __restrict out,
                                        int32_t count) {
    for (int32_t j = 0; j < count; ++j) {
        const float v = std::clamp(float(u[4 * j]) - s[j], 0.0f, 255.0f);
        out[j] = uint8_t(int32_t(v + 0.5f));
    }
}

constexpr auto causalStep = widePass<causalBody>;
constexpr auto anticausalStep = widePass<anticausalBody>;
constexpr auto subtractRow = widePass<subtractBody>;
constexpr auto subtractToBytes = widePass<subtractToBytesBody>;

// The working rows of one block.
struct BlockWork {
    std::vector<double> state;
    FloatBuffer rows;     // kPeriodicBlockRows rows of lanes floats
    FloatBuffer scratch;  // one row, transformed in place
    explicit BlockWork(int32_t lanes)
        : state(size_t(lanes)),
          rows(floatBuffer(size_t(kPeriodicBlockRows) * size_t(lanes))),
          scratch(floatBuffer(size_t(lanes))) {}
};

void startLanes(const ChannelSolve& s, bool anticausal, int32_t i, std::vector<double>& state) {
    state[0] = state[1] = 0.0;  // the r = 0 lane is the ramp, set on each row
    for (int32_t k = 2; k < s.lanes; k += 2) {
        const double rho = s.rho[size_t(k)];
        const Parts p = anticausal ? anticausalStart(s, rho, i) : causalStart(s, rho, i);
        state[size_t(k)] = s.x[size_t(k)] * p.a + s.b[size_t(k)] * p.e;
        state[size_t(k) + 1] = s.x[size_t(k) + 1] * p.a + s.b[size_t(k) + 1] * p.e;
    }
}

void solveBlock(const ChannelSolve& s, const Picture& picture, int channel, int32_t i0, int32_t i1,
                const RowPlans& plans, BlockWork& work, uint8_t* out, int32_t outStep) {
    const size_t lanes = size_t(s.lanes);
    const size_t stride = size_t(picture.width) * 4;
    // Causal: rows i0..i1-1, the first one from its closed form.
    startLanes(s, false, i0, work.state);
    std::transform(work.state.begin(), work.state.end(), work.rows.get(), [](double v) { return float(v); });
    for (int32_t i = i0 + 1; i < i1; ++i) {
        const double e = i == s.height - 1 ? -1.0 : 0.0;
        causalStep(work.state.data(), s.rho.data(), s.x.data(), s.b.data(), s.a[size_t(i)], e,
                   work.rows.get() + size_t(i - i0) * lanes, s.lanes);
    }
    // Anticausal, last row first, each row brought back to pixels as soon as it is done.
    startLanes(s, true, i1 - 1, work.state);
    auto* spectrum = reinterpret_cast<fftwf_complex*>(work.scratch.get());
    for (int32_t i = i1 - 1; i >= i0; --i) {
        float* row = work.scratch.get();
        if (i == i1 - 1) {
            for (size_t k = 0; k < lanes; ++k) row[k] = float(s.scale[k] * work.state[k]);
        } else {
            anticausalStep(work.state.data(), s.rho.data(), s.scale.data(), work.rows.get() + size_t(i - i0) * lanes,
                           row, s.lanes);
        }
        row[0] = float(s.ramp * (double(i) - 0.5 * double(s.height - 1)));
        row[1] = 0.0f;
        fftwf_execute_dft_c2r(plans.inverse, spectrum, row);
        const uint8_t* u = picture.pixels + size_t(i) * stride + size_t(channel);
        uint8_t* o = out + size_t(i) * size_t(picture.width) * size_t(outStep);
        if (outStep == 1) {
            subtractToBytes(u, row, o, picture.width);
        } else {
            subtractRow(u, row, o, picture.width);
        }
    }
}

}  // namespace

struct PeriodicWorkspace::Bands {
    int32_t lanes = 0;
    std::vector<BlockWork> work;  // one per band
};

PeriodicWorkspace::PeriodicWorkspace() = default;
PeriodicWorkspace::~PeriodicWorkspace() = default;

void seamlessPeriodicChannel(const Picture& picture, int channel, bool alongX, bool alongY, uint8_t* out,
                             int32_t outStep, PeriodicWorkspace& workspace) {
    const int32_t n = picture.width;
    const int32_t m = picture.height;
    const size_t stride = size_t(n) * 4;
    const RowPlans plans = rowPlans(n);

    ChannelSolve s;
    s.width = n;
    s.height = m;
    s.lanes = 2 * (n / 2 + 1);
    const size_t lanes = size_t(s.lanes);
    s.a.assign(size_t(m), 0.0);
    if (alongX) {
        for (int32_t i = 0; i < m; ++i) {
            const uint8_t* row = picture.pixels + size_t(i) * stride + size_t(channel);
            s.a[size_t(i)] = double(row[stride - 4]) - double(row[0]);
        }
    }
    // The transform of the top/bottom jumps, one row's forward transform.
    s.b.assign(lanes, 0.0);
    if (alongY) {
        FloatBuffer jumps = floatBuffer(lanes);
        const uint8_t* top = picture.pixels + size_t(channel);
        const uint8_t* bottom = top + size_t(m - 1) * stride;
        double total = 0.0;
        for (int32_t j = 0; j < n; ++j) {
            jumps[size_t(j)] = float(int32_t(bottom[4 * size_t(j)]) - int32_t(top[4 * size_t(j)]));
            total += double(jumps[size_t(j)]);
        }
        fftwf_execute_dft_r2c(plans.forward, jumps.get(), reinterpret_cast<fftwf_complex*>(jumps.get()));
        for (size_t k = 2; k < lanes; ++k) s.b[k] = double(jumps[k]);
        // The mean of each row of s follows the mean jump as a straight ramp of zero mean.
        s.ramp = total / (double(m) * double(n));
    }
    s.rho.assign(lanes, 0.0);
    s.x.assign(lanes, 0.0);
    s.scale.assign(lanes, 0.0);
    for (int32_t r = 1; r <= n / 2; ++r) {
        const double theta = 2.0 * std::numbers::pi * double(r) / double(n);
        const double sine = std::sin(0.5 * theta);
        const double d = 4.0 * sine * sine;  // 2 - 2 cos theta, without the cancellation
        const double rho = 0.5 * (2.0 + d - std::sqrt(d * (4.0 + d)));
        const size_t k = 2 * size_t(r);
        s.rho[k] = s.rho[k + 1] = rho;
        s.scale[k] = s.scale[k + 1] = -rho / double(n);
        s.x[k] = 1.0 - std::cos(theta);
        s.x[k + 1] = -std::sin(theta);
    }

    // The blocks are shared out over the cores, each band with rows of its own; a block
    // gives the same bytes whichever band runs it.
    const int64_t blocks = (int64_t(m) + kPeriodicBlockRows - 1) / kPeriodicBlockRows;
    const int64_t bands = parallelBandCount(blocks, 1);
    if (!workspace.bands) workspace.bands = std::make_unique<PeriodicWorkspace::Bands>();
    PeriodicWorkspace::Bands& kept = *workspace.bands;
    if (kept.lanes != s.lanes) {
        kept.work.clear();
        kept.lanes = s.lanes;
    }
    while (int64_t(kept.work.size()) < bands) kept.work.emplace_back(s.lanes);
    std::vector<BlockWork>& work = kept.work;
    parallelBands(blocks, bands, [&](int64_t band, int64_t first, int64_t end) {
        for (int64_t block = first; block < end; ++block) {
            const int32_t i0 = int32_t(block * kPeriodicBlockRows);
            solveBlock(s, picture, channel, i0, std::min(m, i0 + kPeriodicBlockRows), plans, work[size_t(band)], out,
                       outStep);
        }
    });
}
