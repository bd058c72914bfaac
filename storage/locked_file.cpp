#include "storage/locked_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

LockedFileReader::LockedFileReader(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd_, LOCK_EX | LOCK_NB) != 0)) {
        ::close(fd_);
        fd_ = -1;
    }
}

LockedFileReader::~LockedFileReader() {
    if (fd_ >= 0) ::close(fd_);
}

ssize_t LockedFileReader::read(uint8_t* data, size_t size) {
    if (next_ == filled_) {
        ssize_t n;
        do n = ::read(fd_, buffer_, sizeof buffer_);
        while (n < 0 && errno == EINTR);
        if (n <= 0) return n;
        next_ = 0;
        filled_ = size_t(n);
    }
    const size_t n = std::min(size, filled_ - next_);
    std::memcpy(data, buffer_ + next_, n);
    next_ += n;
    return ssize_t(n);
}

size_t LockedFileReader::readFully(uint8_t* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = read(data + done, size - done);
        if (n <= 0) break;
        done += size_t(n);
    }
    return done;
}

std::string fileReadProblem(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::strerror(errno);
    if (S_ISDIR(st.st_mode)) return std::strerror(EISDIR);
    if (!S_ISREG(st.st_mode)) return "Not a regular file";
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    return {};
}
