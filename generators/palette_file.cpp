#include "generators/palette_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

#include "storage/atomic_file.h"

namespace {

// A regular file open for reading under an exclusive advisory lock ("no sharing").
class LockedFile {
public:
    explicit LockedFile(const std::string& path) {
        // Without waiting: a pipe would block the open, and only a regular file is a palette.
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        struct stat st {};
        if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd_, LOCK_EX | LOCK_NB) != 0)) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~LockedFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    bool ok() const { return fd_ >= 0; }
    int fd() const { return fd_; }

private:
    int fd_ = -1;
};

// Reads up to `size` bytes, fewer only at the end of the file or on an error.
size_t readFully(int fd, uint8_t* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += size_t(n);
    }
    return done;
}

constexpr size_t kFullPaletteBytes = 3 * Palette::kCapacity;

}  // namespace

bool loadPaletteFile(const std::string& path, Palette& palette) {
    LockedFile file(path);
    if (!file.ok()) return false;

    uint8_t countByte = 0;
    palette.count = 0;
    if (readFully(file.fd(), &countByte, 1) != 1) return true;  // an empty file is an empty palette

    uint8_t bytes[kFullPaletteBytes];
    if (countByte == 0) {
        // The one-byte count cannot say 256; a full set of colours after a 0 does.
        if (readFully(file.fd(), bytes, kFullPaletteBytes) != kFullPaletteBytes) return true;
        for (int32_t i = 0; i < Palette::kCapacity; ++i)
            palette.colors[i] = ShapeColor{bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
        palette.count = Palette::kCapacity;
        return true;
    }

    palette.count = countByte;
    // A short file keeps whatever the entries it lacks held before, byte by byte.
    const size_t got = readFully(file.fd(), bytes, size_t(countByte) * 3);
    for (size_t b = 0; b < got; ++b) {
        ShapeColor& c = palette.colors[b / 3];
        (b % 3 == 0 ? c.red : b % 3 == 1 ? c.green : c.blue) = bytes[b];
    }
    return true;
}

bool savePaletteFile(const std::string& path, const Palette& palette, std::string* error) {
    int32_t count = palette.count;
    if (count < 0) count = 0;
    if (count > Palette::kCapacity) count = Palette::kCapacity;

    uint8_t bytes[1 + kFullPaletteBytes];
    bytes[0] = static_cast<uint8_t>(count & 0xFF);  // 256 becomes 0, followed by all 768 colour bytes
    for (int32_t i = 0; i < count; ++i) {
        bytes[1 + 3 * i] = palette.colors[i].red;
        bytes[2 + 3 * i] = palette.colors[i].green;
        bytes[3 + 3 * i] = palette.colors[i].blue;
    }
    // Written beside the old file and renamed over it: a failed save keeps the old palette.
    return writeFileAtomically(path, bytes, 1 + size_t(count) * 3, error);
}
