#include "core/parallel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

struct ThreadsGuard {
    explicit ThreadsGuard(int n) { setParallelThreads(n); }
    ~ThreadsGuard() { setParallelThreads(0); }
};

// Every item is visited exactly once, in bands of at least the grain, whatever the
// thread count, and the bands are contiguous and in order.
TEST(Parallel, BandsCoverEveryItemOnce) {
    struct Case {
        int threads;
        int64_t count;
        int64_t grain;
        int64_t bands;
    };
    const Case cases[] = {
        {1, 100, 1, 1}, {2, 100, 1, 2}, {2, 1, 1, 1}, {2, 3, 2, 1},       {4, 9, 2, 4},
        {3, 7, 1, 3},   {8, 5, 1, 5},   {2, 0, 1, 0}, {16, 4097, 64, 16}, {5, 10, 100, 1},
    };
    for (const Case& c : cases) {
        ThreadsGuard guard(c.threads);
        SCOPED_TRACE(testing::Message() << c.threads << " threads, " << c.count << " items, grain " << c.grain);
        EXPECT_EQ(parallelThreads(), c.threads);
        EXPECT_EQ(parallelBandCount(c.count, c.grain), c.bands);
        std::vector<std::atomic<int>> seen(size_t(c.count));
        std::vector<int64_t> starts(size_t(c.bands) + 1, -1);
        parallelBands(c.count, c.bands, [&](int64_t band, int64_t begin, int64_t end) {
            starts[size_t(band)] = begin;
            if (band + 1 == c.bands) starts[size_t(band) + 1] = end;
            for (int64_t i = begin; i < end; ++i) seen[size_t(i)]++;
        });
        for (int64_t i = 0; i < c.count; ++i) EXPECT_EQ(seen[size_t(i)].load(), 1) << i;
        if (c.bands > 0) {
            EXPECT_EQ(starts.front(), 0);
            EXPECT_EQ(starts.back(), c.count);
            for (size_t b = 0; b + 1 < starts.size(); ++b) {
                EXPECT_GE(starts[b + 1] - starts[b], std::min(c.grain, c.count));
            }
        }
    }
}

// A loop inside a band runs its own bands in turn on that band's thread.
TEST(Parallel, NestedLoopsRunEveryItem) {
    ThreadsGuard guard(2);
    std::atomic<int64_t> sum{0};
    parallelRows(4, 1, [&](int64_t begin, int64_t end) {
        for (int64_t i = begin; i < end; ++i) {
            parallelRows(10, 1, [&](int64_t b, int64_t e) {
                for (int64_t j = b; j < e; ++j) sum += i * 10 + j;
            });
        }
    });
    EXPECT_EQ(sum.load(), 39 * 40 / 2);
}

}  // namespace
