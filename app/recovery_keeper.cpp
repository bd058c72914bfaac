#include "app/recovery_keeper.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "app/recovery_image.h"
#include "storage/atomic_file.h"

namespace {
// How soon a write put off by a running operation is tried again.
constexpr int kBusyRetryMs = 500;

std::string joined(const std::string& directory, const std::string& name) {
    if (directory.empty() || directory.back() == '/') return directory + name;
    return directory + "/" + name;
}
}  // namespace

RecoveryKeeper::RecoveryKeeper(const std::string& directory, long owner) : directory_(directory) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::writeWhenIdle);
    if (directory.empty()) return;
    lock_ = RecoveryLock(joined(directory, recoveryLockName(owner)));
    if (lock_.held()) path_ = joined(directory, recoveryPictureName(owner));
}

RecoveryKeeper::~RecoveryKeeper() {
    timer_.stop();
    if (worker_.joinable()) worker_.join();
    removePicture();
    lock_.releaseAndRemove();
}

void RecoveryKeeper::setSource(std::function<const Picture*()> picture, std::function<bool()> busy) {
    picture_ = std::move(picture);
    busy_ = std::move(busy);
}

void RecoveryKeeper::pictureChanged() {
    if (!active()) return;
    dirty_ = true;
    timer_.start(delay_);
}

void RecoveryKeeper::pictureSaved() {
    if (!active()) return;
    dirty_ = false;
    pending_ = false;
    timer_.stop();
    // A write still running finds the work saved when it ends, and removes its file then.
    removePicture();
}

void RecoveryKeeper::writeWhenIdle() {
    if (!dirty_) return;
    if (worker_.joinable()) {
        pending_ = true;
        return;
    }
    if (busy_ && busy_()) {
        timer_.start(kBusyRetryMs);
        return;
    }
    const Picture* picture = picture_ ? picture_() : nullptr;
    if (!picture) {
        removePicture();
        return;
    }
    // The copy is the only part on this thread: one pass over the pixels, into the
    // memory of the last copy when it is large enough.
    RecoveryCopy copy = std::move(spare_);
    if (!copyForRecovery(*picture, copy)) {
        finishWrite(false, "not enough memory");
        return;
    }
    worker_ = std::thread([this, copy = std::move(copy), path = path_]() mutable {
        const std::string bytes = encodeRecoveryPng(copy);
        std::string error = "not enough memory";
        const bool ok = !bytes.empty() && writeFileAtomically(path, bytes.data(), bytes.size(), &error);
        if (ok) error.clear();
        // Back on the window's thread with the copy's memory; dropped if the keeper is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, ok, error, copy = std::make_shared<RecoveryCopy>(std::move(copy))]() mutable {
                spare_ = std::move(*copy);
                finishWrite(ok, error);
            },
            Qt::QueuedConnection);
    });
}

void RecoveryKeeper::finishWrite(bool ok, std::string error) {
    if (worker_.joinable()) worker_.join();
    lastError_ = ok ? std::string() : std::move(error);
    // Saved while the write ran: the file it made is not wanted.
    if (!dirty_) removePicture();
    if (dirty_ && pending_) {
        pending_ = false;
        timer_.start(0);
    }
    emit written();
}

void RecoveryKeeper::removePicture() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}
