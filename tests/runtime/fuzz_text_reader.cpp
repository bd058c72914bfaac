// fuzz-runs: 5000
// The text reader in function mode over arbitrary sources delivered in pieces
// of a size the input chooses, and in file mode over the same bytes.
#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz_support.h"

namespace {

struct Source {
    const uint8_t* data;
    int32_t size;
    int32_t piece;
};

RtBool fill(RtWord context, int32_t offset, void* buffer, int32_t size, int32_t* got) {
    const auto* source = reinterpret_cast<const Source*>(context);
    int32_t available = offset < source->size ? source->size - offset : 0;
    *got = std::min({size, available, source->piece});
    if (*got > 0) std::memcpy(buffer, source->data + offset, static_cast<std::size_t>(*got));
    return 1;
}

void readLines(const TextReaderTable& readers, TextReader* reader, int32_t capacity, std::size_t size) {
    std::vector<RtWide> buffer(static_cast<std::size_t>(capacity) + 4, 0xBEEF);
    for (std::size_t lines = 0; lines <= size + 2; ++lines) {
        if (!readers.readReaderLine(reader, buffer.data(), capacity)) return;
        for (std::size_t i = static_cast<std::size_t>(capacity); i < buffer.size(); ++i) {
            if (buffer[i] != 0xBEEF) __builtin_trap();
        }
    }
    __builtin_trap();  // more lines than bytes
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 2 || size > (1u << 20)) return 0;
    const TextReaderTable& readers = *fuzzRoot().textReaderTable;
    const int32_t capacity = data[0] % 40;  // 0 tests the no-room case
    const int32_t piece = 1 + data[1] % 17;
    Source source{data + 2, static_cast<int32_t>(size - 2), piece};

    TextReader* reader = readers.openReader(reinterpret_cast<const void*>(&fill), 0, RT_READER_FUNCTION_MODE,
                                            reinterpret_cast<RtWord>(&source));
    readLines(readers, reader, capacity, size);
    readers.resetReader(reader);
    RtBool got = 1;
    for (std::size_t i = 0; i < 8 && got; ++i) readers.readReaderChar(reader, &got);
    readers.closeReader(reader);

    std::string path = fuzzFile(data + 2, size - 2, "reader.txt");
    reader = readers.openReader(path.c_str(), 0, 0, 0);
    if (reader != nullptr) {
        for (std::size_t i = 0; i <= size; ++i) {
            readers.readReaderChar(reader, &got);
            if (!got) break;
        }
        readers.resetReader(reader);
        readLines(readers, reader, capacity, size);
        readers.closeReader(reader);
    }
    return 0;
}
