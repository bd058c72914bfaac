#pragma once
#include <string>
#include <vector>

// The files that keep unsaved work across a crash, in the data directory: each
// running window writes "recovery-<pid>.png" and holds "recovery-<pid>.lock" under
// an exclusive advisory lock (flock) for as long as it runs. A recovery picture
// whose lock nobody holds belongs to a program that ended without cleaning up,
// and is offered at the next start; one whose owner still runs is left alone.

// The picture and lock file names for an owner.
std::string recoveryPictureName(long owner);
std::string recoveryLockName(long owner);
// The owner a recovery picture's name carries, or -1 for any other name.
long recoveryOwnerOf(const std::string& fileName);

// An exclusive advisory lock on a file, held until destruction (or release());
// the kernel lets it go when the process dies, however it dies.
class RecoveryLock {
public:
    RecoveryLock() = default;
    // Creates the file when needed and tries to lock it without waiting.
    explicit RecoveryLock(const std::string& path);
    ~RecoveryLock();
    RecoveryLock(RecoveryLock&& other) noexcept;
    RecoveryLock& operator=(RecoveryLock&& other) noexcept;
    RecoveryLock(const RecoveryLock&) = delete;
    RecoveryLock& operator=(const RecoveryLock&) = delete;

    bool held() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }
    // Removes the lock file, then lets the lock go.
    void releaseAndRemove();

private:
    int fd_ = -1;
    std::string path_;
};

// A recovery picture left by an owner that is gone, with that owner's lock now
// held here, so that no other starting window offers it at the same time.
struct OrphanedRecovery {
    std::string picturePath;
    long owner = -1;
    long long modified = 0;  // seconds since the epoch, to offer the newest first
    RecoveryLock lock;
};

// The recovery pictures of `directory` that no running program owns, newest first.
// `self` is the caller's own owner number: a picture under that number cannot be
// the caller's yet (it has written nothing), so it is an earlier program's.
std::vector<OrphanedRecovery> claimOrphanedRecoveries(const std::string& directory, long self);

// Moves an unreadable recovery picture out of the way, beside itself, under a name
// that is not offered again ("<name>.unreadable", then ".unreadable-2", ...).
// Returns the new path, or empty when it could not be moved (it is then removed).
std::string moveRecoveryAside(const std::string& path);

// The version marker stored in each recovery picture: a text entry under this key
// whose value is the format's version. A later format gets a higher number.
inline constexpr const char* kRecoveryMarkerKey = "vospren-recovery";
inline constexpr int kRecoveryFormatVersion = 1;

enum class RecoveryMarker { Readable, Missing, Newer, Malformed };
// What a stored marker (empty when absent) says about whether this version reads the file.
RecoveryMarker judgeRecoveryMarker(const std::string& value);
