#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "file_services.h"

namespace tolvanea {
namespace {

constexpr uint32_t kFailed = 0xFFFFFFFFu;

int descriptor(RtHandle file) { return file < 0 || file > INT_MAX ? -1 : static_cast<int>(file); }

uint32_t seekTo(RtHandle file, off_t offset, int whence) {
    off_t position = ::lseek(descriptor(file), offset, whence);
    return position < 0 ? kFailed : static_cast<uint32_t>(position);
}

}  // namespace

int32_t readBytes(RtHandle file, void* buffer, uint32_t count) {
    auto* out = static_cast<unsigned char*>(buffer);
    uint32_t done = 0;
    if (out != nullptr) {
        while (done < count) {
            ssize_t got = ::read(descriptor(file), out + done, count - done);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;
            done += static_cast<uint32_t>(got);
        }
    }
    // Deliberately 1 for a short read and 0 for a complete one.
    return done < count ? 1 : 0;
}

int32_t writeBytes(RtHandle file, const void* buffer, uint32_t count) {
    const auto* in = static_cast<const unsigned char*>(buffer);
    if (descriptor(file) < 0 || (in == nullptr && count > 0)) return 0;
    uint32_t done = 0;
    while (done < count) {
        ssize_t put = ::write(descriptor(file), in + done, count - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return 0;
        done += static_cast<uint32_t>(put);
    }
    return 1;
}

uint32_t rewindFile(RtHandle file) { return seekTo(file, 0, SEEK_SET); }

uint32_t seekFromStart(RtHandle file, int32_t position) { return seekTo(file, position, SEEK_SET); }

uint32_t seekFromCurrent(RtHandle file, int32_t distance) { return seekTo(file, distance, SEEK_CUR); }

uint32_t fileSize(RtHandle file) {
    struct stat info;
    if (::fstat(descriptor(file), &info) != 0) return kFailed;
    return static_cast<uint32_t>(info.st_size);
}

}  // namespace tolvanea
