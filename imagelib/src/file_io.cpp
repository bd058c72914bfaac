#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

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

bool readWholeFile(const char* path, size_t maxBytes, std::vector<uint8_t>* out) {
    if (!path || !*path || !out) return false;
    // Non-blocking open so that naming a FIFO cannot hang us before the type check.
    Descriptor file{::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) return false;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (info.st_size < 0 || uint64_t(info.st_size) > maxBytes) return false;
    out->clear();
    out->resize(size_t(info.st_size));
    size_t done = 0;
    while (done < out->size()) {
        const ssize_t n = ::read(file.fd, out->data() + done, out->size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;  // the file shrank while we read it: take what is there
        done += size_t(n);
    }
    out->resize(done);
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
