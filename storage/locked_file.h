#pragma once
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>

// The read side beside writeFileAtomically (atomic_file.h): a regular file open for
// reading without sharing, under an exclusive advisory lock (flock), so that a file
// another holds is not read half written. The open never waits: a pipe, a device or
// a locked file is simply not opened.
class LockedFileReader {
public:
    explicit LockedFileReader(const std::string& path);
    ~LockedFileReader();
    LockedFileReader(const LockedFileReader&) = delete;
    LockedFileReader& operator=(const LockedFileReader&) = delete;

    bool opened() const { return fd_ >= 0; }

    // Up to `size` bytes from a buffer refilled in large pieces; fewer only at the
    // end of the file; -1 on a read error.
    ssize_t read(uint8_t* data, size_t size);
    // `size` bytes, fewer only at the end of the file or after an error.
    size_t readFully(uint8_t* data, size_t size);

private:
    int fd_ = -1;
    uint8_t buffer_[1 << 16];
    size_t next_ = 0;
    size_t filled_ = 0;
};

// Why the file cannot be read, in the system's words ("No such file or directory",
// "Is a directory", "Permission denied"); empty when it can be.
std::string fileReadProblem(const std::string& path);
