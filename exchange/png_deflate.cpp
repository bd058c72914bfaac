#include "exchange/png_deflate.h"

#include <isa-l/igzip_lib.h>
#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "core/plane_memory.h"
#include "exchange/png_bands.h"

namespace {

constexpr uint32_t kWindow = 32768;
constexpr uint32_t kLevelBufferSize = ISAL_DEF_LVL1_DEFAULT;

// A band that the fast matcher shrinks below 1/kFlatRatio is mostly long runs (flat
// color), where coding runs of one byte does markedly better.
constexpr size_t kFlatRatio = 8;

// Room before the first band for the zlib header and after the last for the checksum.
constexpr size_t kHeaderBytes = 2;
constexpr size_t kTrailerBytes = 4;

struct Band {
    const uint8_t* data;  // the whole data: the dictionary lies before `begin`
    size_t begin, end;
    bool last;
};

// Room for a coder's output; coders that need more report failure.
size_t outputBound(size_t length) { return length + length / 8 + 1024; }

// The fast matcher's raw deflate of the band into `out`. Returns the length, or 0
// when `capacity` was too small or the coder failed.
size_t fastMatcher(const Band& band, uint8_t* levelBuffer, uint8_t* out, size_t capacity) {
    isal_zstream s;
    isal_deflate_init(&s);
    s.level = 1;
    s.level_buf = levelBuffer;
    s.level_buf_size = kLevelBufferSize;
    s.gzip_flag = IGZIP_DEFLATE;
    if (band.begin > 0) {
        const uint32_t dict = uint32_t(std::min<size_t>(band.begin, kWindow));
        if (isal_deflate_set_dict(&s, const_cast<uint8_t*>(band.data + band.begin - dict), dict) != COMP_OK) return 0;
    }
    s.next_in = const_cast<uint8_t*>(band.data + band.begin);
    s.avail_in = uint32_t(band.end - band.begin);
    s.end_of_stream = band.last ? 1 : 0;
    s.flush = band.last ? NO_FLUSH : FULL_FLUSH;
    s.next_out = out;
    s.avail_out = uint32_t(capacity);
    if (isal_deflate(&s) != COMP_OK || s.avail_in != 0 || s.avail_out == 0) return 0;
    if (band.last && s.internal_state.state != ZSTATE_END) return 0;
    return s.total_out;
}

// zlib's raw deflate of the band with the given level and strategy; 0 on failure.
size_t zlibCoder(const Band& band, int level, int strategy, uint8_t* out, size_t capacity) {
    z_stream s{};
    if (deflateInit2(&s, level, Z_DEFLATED, -15, 9, strategy) != Z_OK) return 0;
    bool ok = true;
    // Runs of one byte look one byte back only, bytes coded alone not at all: no
    // dictionary to prime for them.
    if (band.begin > 0 && strategy != Z_RLE && strategy != Z_HUFFMAN_ONLY) {
        const uint32_t dict = uint32_t(std::min<size_t>(band.begin, kWindow));
        ok = deflateSetDictionary(&s, band.data + band.begin - dict, dict) == Z_OK;
    }
    s.next_in = const_cast<uint8_t*>(band.data + band.begin);
    s.avail_in = uInt(band.end - band.begin);
    s.next_out = out;
    s.avail_out = uInt(capacity);
    const int result = ok ? deflate(&s, band.last ? Z_FINISH : Z_FULL_FLUSH) : Z_STREAM_ERROR;
    ok = ok && (band.last ? result == Z_STREAM_END : result == Z_OK) && s.avail_in == 0 && s.avail_out > 0;
    const size_t written = s.total_out;
    deflateEnd(&s);
    return ok ? written : 0;
}

// Codes one band into `out` (`capacity` bytes), the smallest of the coders tried;
// `scratch` holds as many. Returns the length, 0 when even the fast matcher failed.
//
// What the fast matcher leaves tells the kind of band:
// - noise (it hardly shrinks the band): no other coder gains anything;
// - flat color (it shrinks the band eightfold or more): runs of one byte do markedly
//   better;
// - smooth color (it halves the band at least): the filtered rows are small
//   differences. Where they have few repeats (photographs), coding each byte with a
//   code of its own, with no matches at all, comes out a fifth smaller than the fast
//   matcher. Where that gains less, repeats matter, and a lazy matcher that keeps only
//   matches of six bytes or more (zlib's filtered strategy, as libpng uses) finds them;
// - grain over color (between noise and a half): "Fast" keeps the fast matcher, since
//   the other coders would take ten times as long for a few percent.
// "Small" tries runs of one byte on every band, the bytes alone on every band between
// noise and flat color, and zlib's thorough matcher where matches matter. On
// photographs that matcher follows long chains of short matches, at about 1 MB/s, and
// still loses to the bytes coded alone, so it is left out there.
size_t codeBand(const Band& band, PngCompression compression, uint8_t* levelBuffer, uint8_t* out, size_t capacity,
                uint8_t* scratch) {
    const size_t length = band.end - band.begin;
    size_t best = fastMatcher(band, levelBuffer, out, capacity);
    if (best == 0) return 0;
    auto consider = [&](size_t written) {
        if (written == 0 || written >= best) return;
        std::memcpy(out, scratch, written);
        best = written;
    };
    const bool small = compression == PngCompression::Small;
    const bool noise = best * 8 >= length * 7;
    const bool flat = best * kFlatRatio < length;
    const bool smooth = !flat && best * 2 < length;
    const size_t matched = best;
    if (small || flat) consider(zlibCoder(band, 6, Z_RLE, scratch, capacity));
    if (noise || !(small || smooth || flat)) return best;
    if (!flat) {
        const size_t alone = zlibCoder(band, 1, Z_HUFFMAN_ONLY, scratch, capacity);
        consider(alone);
        if (alone != 0 && alone * 10 <= matched * 9) return best;  // few repeats: matchers gain nothing
    }
    if (small) {
        consider(zlibCoder(band, 9, Z_DEFAULT_STRATEGY, scratch, capacity));
    } else if (smooth) {
        consider(zlibCoder(band, 4, Z_FILTERED, scratch, capacity));
    }
    return best;
}

}  // namespace

bool PngBytes::allocate(size_t capacity) {
    data = allocatePlaneBytes(capacity);
    offset = size = 0;
    return data != nullptr;
}

bool deflatePngData(const uint8_t* data, size_t size, PngCompression compression, std::vector<PngBytes>* pieces) {
    const size_t bands = std::max<size_t>(1, (size + kPngDeflateBandBytes - 1) / kPngDeflateBandBytes);
    auto bandAt = [&](size_t b) {
        const size_t begin = b * kPngDeflateBandBytes;
        return Band{data, begin, std::min(size, begin + kPngDeflateBandBytes), b + 1 == bands};
    };
    const int workers = pngWorkers(int64_t(bands));
    const size_t capacity = outputBound(std::min(size, kPngDeflateBandBytes));
    const size_t room = kHeaderBytes + capacity + kTrailerBytes;
    std::vector<PngBytes> out;
    PngBytes levelBuffers, scratch;
    try {
        out.resize(bands);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (PngBytes& piece : out)
        if (!piece.allocate(room)) return false;
    if (!levelBuffers.allocate(size_t(kLevelBufferSize) * size_t(workers)) ||
        !scratch.allocate(capacity * size_t(workers)))
        return false;

    std::vector<uint32_t> adler(bands, 1);
    forEachPngBand(int64_t(bands), [&](int worker, int64_t index) {
        const size_t b = size_t(index);
        const Band band = bandAt(b);
        adler[b] = libdeflate_adler32(1, data + band.begin, band.end - band.begin);
        out[b].size =
            codeBand(band, compression, levelBuffers.data.get() + size_t(kLevelBufferSize) * size_t(worker),
                     out[b].data.get() + kHeaderBytes, capacity, scratch.data.get() + capacity * size_t(worker));
    });
    // A band that outgrew its room (data that does not compress) goes again with room
    // to spare, on this thread.
    for (size_t b = 0; b < bands; ++b) {
        if (out[b].size) continue;
        const Band band = bandAt(b);
        const size_t more = 2 * (band.end - band.begin) + 65536;
        if (!out[b].allocate(kHeaderBytes + more + kTrailerBytes)) return false;
        out[b].size = fastMatcher(band, levelBuffers.data.get(), out[b].data.get() + kHeaderBytes, more);
        if (out[b].size == 0) return false;
    }
    // Every band's output sits kHeaderBytes in; the header goes in front of the first.
    out.front().data[0] = 0x78;                                                // deflate with a 32 KiB window
    out.front().data[1] = compression == PngCompression::Small ? 0xDA : 0x01;  // level hint, check bits
    out.front().size += kHeaderBytes;
    for (size_t b = 1; b < bands; ++b) out[b].offset = kHeaderBytes;
    uint32_t total = adler[0];
    for (size_t b = 1; b < bands; ++b) {
        const Band band = bandAt(b);
        total = uint32_t(adler32_combine(total, adler[b], z_off_t(band.end - band.begin)));
    }
    uint8_t* tail = out.back().data.get() + out.back().offset + out.back().size;
    tail[0] = uint8_t(total >> 24);
    tail[1] = uint8_t(total >> 16);
    tail[2] = uint8_t(total >> 8);
    tail[3] = uint8_t(total);
    out.back().size += kTrailerBytes;
    *pieces = std::move(out);
    return true;
}
