// fuzz-runs: 3000
// Every line reader of the file service over arbitrary files: no reader may
// write past the caller's 256 characters or loop without consuming input.
#include <cstring>

#include "fuzz_support.h"

namespace {

constexpr unsigned char kGuard = 0xA5;

template <typename Reader, typename Unit>
void readAll(const FileTable& files, RtHandle file, Reader reader, std::size_t size) {
    files.rewindFile(file);
    Unit buffer[256 + 8];
    std::memset(buffer + 256, kGuard, 8 * sizeof(Unit));
    // Each call consumes at least one byte until the end: size + 2 calls suffice.
    for (std::size_t calls = 0; calls <= size + 2; ++calls) {
        bool more = reader(file, buffer);
        for (std::size_t i = 256 * sizeof(Unit); i < sizeof buffer; ++i) {
            if (reinterpret_cast<unsigned char*>(buffer)[i] != kGuard) __builtin_trap();
        }
        if (!more && files.fileSize(file) <= files.seekFromCurrent(file, 0)) return;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // One read per byte and reader: larger inputs add time, not coverage.
    if (size > 1024) return 0;
    const FileTable& files = *fuzzRoot().fileTable;
    std::string path = fuzzFile(data, size, "lines.txt");
    RtBool marker = 0;
    RtHandle file = files.openTextForReading(path.c_str(), &marker);
    if (file == RT_INVALID_HANDLE) return 0;
    readAll<ReadLineFn, char>(files, file, files.readLine, size);
    readAll<ReadLineFn, char>(files, file, files.readLineUntilCR, size);
    readAll<ReadLineFn, char>(files, file, files.readSettingLine, size);
    readAll<ReadWideLineFn, RtWide>(files, file, files.readWideLine, size);
    readAll<ReadWideLineFn, RtWide>(files, file, files.readWideSettingLine, size);
    files.rewindFile(file);
    for (std::size_t calls = 0; calls < 64; ++calls) files.readNumberLine(file);
    files.closeFile(file);
    return 0;
}
