// Fuzz target: a stream filled with the input's first part, then read, written and
// sought by operations that the rest of the input spells out. Checks that a value
// written with the packer reads back unchanged after a seek.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "bit_stream.h"

using namespace tolvanea;

namespace {

struct Input {
    const uint8_t* p;
    size_t n;
    uint8_t byte() { return n ? (--n, *p++) : 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in{data, size};
    const uint32_t chunkSize = 1 + in.byte() % 16;
    const size_t contentLength = in.byte();
    BitStream* s = createStream(chunkSize, 0);
    if (!s) std::abort();
    const size_t take = contentLength < in.n ? contentLength : in.n;
    uint32_t count = 0;
    writeBytes(s, in.p, uint32_t(take), &count, false);
    in.p += take;
    in.n -= take;
    seek(s, 0);

    uint8_t buffer[64];
    uint32_t values[8];
    for (int ops = 0; in.n && ops < 200; ++ops) {
        const uint8_t op = in.byte();
        const uint32_t groupBytes = in.byte() % 6;  // 0 and 5 are refused
        const uint32_t bits = in.byte() % 34;       // 0 and 33 are refused
        const bool noAdvance = (op & 0x80) != 0;
        const uint32_t n = 1 + in.byte() % 8;
        switch (op & 7) {
        case 0:
            readAnyBits(s, values, n, &count, bits, groupBytes, noAdvance);
            break;
        case 1:
            writeAnyBits(s, values, n, &count, bits, groupBytes, noAdvance);
            break;
        case 2:
            readBytesAligned(s, buffer, n * 8, &count, noAdvance);
            break;
        case 3:
            writeBytesAligned(s, buffer, n * 8, &count, noAdvance);
            break;
        case 4: {
            uint8_t bit;
            readOneBit(s, &bit, noAdvance, groupBytes);
            break;
        }
        case 5:
            seek(s, (uint32_t(in.byte()) << 4) | in.byte() % 16);
            break;
        case 6:
            readBytes(s, buffer, n * 8, &count, noAdvance);
            break;
        default: {
            // Round trip: a value packed at a fresh position reads back the same.
            const uint32_t where = s->size + in.byte() % 8;
            const uint32_t width = 1 + bits % 32, group = 1 + groupBytes % 4;
            const uint32_t value = (uint32_t(in.byte()) << 24 | uint32_t(in.byte()) << 8 | in.byte()) &
                                   (width == 32 ? 0xFFFFFFFFu : (1u << width) - 1);
            seek(s, where);
            writeValueBits<uint32_t>(s, &value, 1, &count, width, group, false);
            seek(s, where);
            uint32_t back = ~value;
            if (!readValueBits<uint32_t>(s, &back, 1, &count, width, group, false) || back != value) std::abort();
            break;
        }
        }
    }
    destroyStream(s);
    return 0;
}
