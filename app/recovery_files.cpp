#include "app/recovery_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
constexpr const char* kPrefix = "recovery-";

std::string joined(const std::string& directory, const std::string& name) {
    if (directory.empty() || directory.back() == '/') return directory + name;
    return directory + "/" + name;
}
}  // namespace

std::string recoveryPictureName(long owner) { return kPrefix + std::to_string(owner) + ".png"; }
std::string recoveryLockName(long owner) { return kPrefix + std::to_string(owner) + ".lock"; }

namespace {
// The owner number in "recovery-<owner><suffix>", or -1.
long ownerIn(const std::string& fileName, const std::string& suffix) {
    const std::string prefix = kPrefix;
    if (fileName.size() <= prefix.size() + suffix.size() || fileName.rfind(prefix, 0) != 0 ||
        fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0)
        return -1;
    const char* first = fileName.data() + prefix.size();
    const char* last = fileName.data() + fileName.size() - suffix.size();
    long owner = -1;
    const auto [end, error] = std::from_chars(first, last, owner);
    if (error != std::errc() || end != last || owner < 0) return -1;
    return owner;
}
}  // namespace

long recoveryOwnerOf(const std::string& fileName) { return ownerIn(fileName, ".png"); }

RecoveryLock::RecoveryLock(const std::string& path) : path_(path) {
    // Another program may remove a lock file it found free between our open and our
    // lock: the lock holds only while the name still leads to the file locked.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) return;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return;
        }
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
            held.st_dev == named.st_dev) {
            fd_ = fd;
            return;
        }
        ::close(fd);
    }
}

RecoveryLock::~RecoveryLock() {
    if (fd_ >= 0) ::close(fd_);
}

RecoveryLock::RecoveryLock(RecoveryLock&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) {
    other.fd_ = -1;
}

RecoveryLock& RecoveryLock::operator=(RecoveryLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

void RecoveryLock::releaseAndRemove() {
    if (fd_ < 0) return;
    // Removed while still held: a program starting now finds either a held lock or none.
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

std::vector<OrphanedRecovery> claimOrphanedRecoveries(const std::string& directory, long self) {
    std::vector<OrphanedRecovery> found;
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const long owner = recoveryOwnerOf(name);
        const long lockOwner = ownerIn(name, ".lock");
        // A lock left by a program that ended before it wrote anything goes.
        if (lockOwner >= 0 && lockOwner != self && !fs::exists(joined(directory, recoveryPictureName(lockOwner)))) {
            RecoveryLock stale(it->path().string());
            stale.releaseAndRemove();
        }
        if (owner < 0) continue;
        OrphanedRecovery orphan;
        orphan.owner = owner;
        orphan.picturePath = it->path().string();
        // Our own number is locked by us already; its picture is from a dead program.
        if (owner != self) {
            orphan.lock = RecoveryLock(joined(directory, recoveryLockName(owner)));
            if (!orphan.lock.held()) continue;  // its program still runs
        }
        std::error_code timeError;
        const auto when = fs::last_write_time(it->path(), timeError);
        // The picture may have gone between the listing and the lock (another start took it).
        if (timeError) {
            orphan.lock.releaseAndRemove();
            continue;
        }
        orphan.modified = std::chrono::duration_cast<std::chrono::seconds>(when.time_since_epoch()).count();
        found.push_back(std::move(orphan));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const OrphanedRecovery& a, const OrphanedRecovery& b) { return a.modified > b.modified; });
    return found;
}

std::string moveRecoveryAside(const std::string& path) {
    std::error_code ec;
    for (int n = 1; n < 100; ++n) {
        const std::string aside = path + ".unreadable" + (n == 1 ? std::string() : "-" + std::to_string(n));
        if (fs::exists(aside, ec)) continue;
        fs::rename(path, aside, ec);
        if (!ec) return aside;
        break;
    }
    fs::remove(path, ec);
    return {};
}

RecoveryMarker judgeRecoveryMarker(const std::string& value) {
    if (value.empty()) return RecoveryMarker::Missing;
    if (value.front() < '0' || value.front() > '9') return RecoveryMarker::Malformed;
    int version = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), version);
    if (error == std::errc::result_out_of_range) return RecoveryMarker::Newer;
    if (error != std::errc() || end != value.data() + value.size() || version <= 0) return RecoveryMarker::Malformed;
    return version > kRecoveryFormatVersion ? RecoveryMarker::Newer : RecoveryMarker::Readable;
}
