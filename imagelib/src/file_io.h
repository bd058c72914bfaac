#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

// A regular file open for reading, closed when the record goes.
struct InputFile {
    int fd = -1;
    uint64_t size = 0;  // when it was opened; it may shrink while it is read

    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();
};

// Opens a regular file for reading. Fails for anything else (directories, pipes,
// devices: a pipe or /dev/zero would never end) and for files over `maxBytes`.
bool openInputFile(const char* path, uint64_t maxBytes, InputFile* file);

// Reads up to `length` bytes from `offset`; returns how many were read (fewer where
// the file ends), or 0 when the read fails.
size_t readFileAt(int fd, uint64_t offset, uint8_t* dst, size_t length);

// A file's bytes in memory. The buffer is not cleared before it is read into: only
// the `size` bytes read are ever looked at.
struct FileBytes {
    struct Release {
        void operator()(uint8_t* p) const { std::free(p); }
    };
    std::unique_ptr<uint8_t, Release> data;
    size_t size = 0;
};

// Reads the file whole, as much of it as is there (a file that shrank while it was
// read gives what it still holds).
bool readWholeFile(const InputFile& file, FileBytes* out);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so a
// failed save never leaves a truncated file or destroys the previous one.
bool writeFileAtomically(const char* path, const std::vector<uint8_t>& bytes);
