#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "file_services.h"
#include "platform.h"

namespace tolvanea {
namespace {

// Empty at load; the caller stores it with its trailing separator.
std::string baseFolder;

constexpr unsigned char kTextMarker[3] = {0xFE, 0xFF, 0x00};

enum class Sharing { none, read };

// Base folder + name, or nothing when together they are too long.
bool fullPath(const char* name, bool useBaseFolder, std::string& path) {
    if (name == nullptr) return false;
    path = useBaseFolder ? baseFolder + name : std::string(name);
    return !useBaseFolder || path.size() <= kMaxBasedPath;
}

// Opens path and takes the advisory lock that stands in for the sharing mode:
// read-only openers that share reading share a lock, every other opener holds
// it alone. A lock held elsewhere fails the open.
int openLocked(const std::string& path, int flags, Sharing sharing) {
    // Opened without blocking, so that a name naming a pipe cannot hang the
    // caller waiting for a writer; reads block as usual afterwards.
    int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) return -1;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const bool shared = sharing == Sharing::read && (flags & O_ACCMODE) == O_RDONLY;
    if (::flock(fd, (shared ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
        int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// Create always: the file is emptied only once the lock is ours.
int createLocked(const std::string& path, Sharing sharing) {
    int fd = openLocked(path, O_WRONLY | O_CREAT, sharing);
    if (fd >= 0 && ::ftruncate(fd, 0) != 0) {
        int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

}  // namespace

RtBool setBaseFolder(const char* path) {
    baseFolder = path != nullptr ? path : "";
    return 1;
}

RtHandle openForReading(const char* name, RtBool useBaseFolder) {
    std::string path;
    if (!fullPath(name, useBaseFolder & 1, path)) return RT_INVALID_HANDLE;
    return openLocked(path, O_RDONLY, Sharing::none);
}

RtHandle createForWriting(const char* name, RtBool useBaseFolder) {
    std::string path;
    if (!fullPath(name, useBaseFolder & 1, path)) return RT_INVALID_HANDLE;
    int fd = createLocked(path, Sharing::none);
    if (fd < 0) {
        char text[600];
        std::snprintf(text, sizeof text, "Error %d (%s),annuler ?", errno, path.c_str());
        platformAskYesNo(text, "Creating File");  // the answer changes nothing
        return RT_INVALID_HANDLE;
    }
    return fd;
}

RtHandle openForAppending(const char* name, RtBool shareRead) {
    if (name == nullptr) return RT_INVALID_HANDLE;
    int fd = openLocked(name, O_RDWR | O_CREAT, (shareRead & 1) ? Sharing::read : Sharing::none);
    if (fd >= 0) ::lseek(fd, 0, SEEK_END);
    return fd;
}

RtHandle openTextForReading(const char* name, RtBool* hasMarker) {
    if (hasMarker != nullptr) *hasMarker = 0;
    if (name == nullptr) return RT_INVALID_HANDLE;
    int fd = openLocked(name, O_RDONLY, Sharing::read);
    if (fd < 0) return RT_INVALID_HANDLE;
    unsigned char start[3];
    if (readBytes(fd, start, 3) == 0 && start[0] == kTextMarker[0] && start[1] == kTextMarker[1] &&
        start[2] == kTextMarker[2]) {
        if (hasMarker != nullptr) *hasMarker = 1;
    } else {
        ::lseek(fd, 0, SEEK_SET);
    }
    return fd;
}

RtHandle createTextForWriting(const char* name, RtBool writeMarker) {
    if (name == nullptr) return RT_INVALID_HANDLE;
    int fd = createLocked(name, Sharing::read);
    if (fd >= 0 && (writeMarker & 1)) writeBytes(fd, kTextMarker, sizeof kTextMarker);
    return fd;
}

int32_t closeFile(RtHandle file) {
    if (file < 0 || file > INT32_MAX) return 0;
    return ::close(static_cast<int>(file)) == 0 ? 1 : 0;
}

}  // namespace tolvanea
