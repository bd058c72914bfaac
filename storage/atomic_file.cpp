#include "storage/atomic_file.h"
#include "storage/file_name.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return false;
}

std::string errnoText(int code) { return std::strerror(code); }

// The file a path finally names: links are followed while they lead somewhere.
std::string finalTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) return resolved;
    return path;  // a dangling link is replaced by the file
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A fresh file beside the target, hidden and named after it, created exclusively
// so that two savers never share one. The mode goes through the umask as any new
// file's would. Returns the descriptor, or -1 with errno set.
int createTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = folderOf(target) + "/." + nameOf(target) + ".tmp" + std::to_string(::getpid()) + "_";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = stem + std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const unsigned char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

// The old file under an exclusive advisory lock for the length of the save.
struct HeldFile {
    explicit HeldFile(const std::string& path) {
        if (path.empty()) return;
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) busy = errno == EWOULDBLOCK;
    }
    ~HeldFile() {
        if (fd >= 0) ::close(fd);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    int fd = -1;
    bool busy = false;
};

// Makes the rename itself durable; a folder that cannot be flushed (some file
// systems refuse) does not undo a save that has already replaced the file.
void flushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool writeFileAtomically(const std::string& path, const void* data, size_t size, std::string* error) {
    if (path.empty()) return fail(error, "No file name");
    const std::string target = finalTarget(path);

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return fail(error, errnoText(EISDIR));
    if (exists && !S_ISREG(old.st_mode)) return fail(error, "Not a regular file");

    // Files are opened without sharing: one that someone holds is not replaced under them.
    HeldFile held(exists ? target : std::string());
    if (held.busy) return fail(error, "The file is in use");

    std::string tempPath;
    const int fd = createTemporary(target, tempPath);
    if (fd < 0) return fail(error, errnoText(errno));

    // A replaced file keeps its permissions (a private file stays private).
    bool ok = !exists || ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && writeAll(fd, static_cast<const unsigned char*>(data), size);
    ok = ok && ::fsync(fd) == 0;
    int code = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        return fail(error, errnoText(code));
    }
    flushFolder(folderOf(target));
    return true;
}
