#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "large_pages.h"

namespace {

struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

bool writeAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

// The process's file creation mask, read without changing it (umask() can only be
// queried by setting it, which would race with other threads creating files).
mode_t currentUmask() {
    mode_t mask = 022;
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[128];
        while (std::fgets(line, sizeof line, status)) {
            unsigned value = 0;
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = mode_t(value & 0777);
                break;
            }
        }
        std::fclose(status);
    }
    return mask;
}

}  // namespace

InputFile::~InputFile() {
    if (fd >= 0) ::close(fd);
}

bool openInputFile(const char* path, uint64_t maxBytes, InputFile* file) {
    if (!path || !*path || !file) return false;
    // Non-blocking open so that naming a FIFO cannot hang us before the type check.
    Descriptor opened{::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (opened.fd < 0) return false;
    struct stat info {};
    if (::fstat(opened.fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (info.st_size < 0 || uint64_t(info.st_size) > maxBytes) return false;
    if (file->fd >= 0) ::close(file->fd);
    file->fd = opened.fd;
    file->size = uint64_t(info.st_size);
    opened.fd = -1;
    return true;
}

size_t readFileAt(int fd, uint64_t offset, uint8_t* dst, size_t length) {
    size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, dst + done, length - done, off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return 0;
        }
        if (n == 0) break;  // the file ends here
        done += size_t(n);
    }
    return done;
}

bool readWholeFile(const InputFile& file, FileBytes* out) {
    if (file.fd < 0 || !out) return false;
    out->size = 0;
    // Not cleared: the bytes are read over at once, a clearing pass first would only
    // cost time.
    out->data.reset(static_cast<uint8_t*>(allocateLargeBuffer(size_t(file.size))));
    if (!out->data) return false;
    if (file.size == 0) return true;
    const size_t done = readFileAt(file.fd, 0, out->data.get(), size_t(file.size));
    if (done == 0) return false;
    out->size = done;
    return true;
}

bool writeFileAtomically(const char* path, const std::vector<uint8_t>& bytes) {
    if (!path || !*path) return false;
    std::string temp = std::string(path) + ".XXXXXX";
    Descriptor file{::mkstemp(temp.data())};
    if (file.fd < 0) return false;
    // mkstemp creates the file private; give it the permissions a plain create would.
    bool ok = ::fchmod(file.fd, 0666 & ~currentUmask()) == 0;
    ok = ok && writeAll(file.fd, bytes.data(), bytes.size());
    ok = ok && ::fsync(file.fd) == 0;
    ok = ::close(file.fd) == 0 && ok;
    file.fd = -1;
    ok = ok && std::rename(temp.c_str(), path) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}
