#pragma once
#include <QObject>
#include <QTimer>

#include <functional>
#include <string>
#include <thread>

#include "app/recovery_files.h"
#include "app/recovery_image.h"
#include "core/picture.h"

// Keeps the current picture in a recovery file while it holds unsaved work, so
// that a crash loses seconds, not work. A change starts a short delay; when it has
// passed and the window is idle, the picture is copied and the copy is encoded and
// written (whole or not at all) on a thread of its own, so that drawing goes on. A
// save removes the file, and so does the keeper's end, which is a clean exit.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // Writes "<directory>/recovery-<owner>.png" under the owner's lock. Without a
    // directory, or when the lock cannot be had, it keeps nothing.
    RecoveryKeeper(const std::string& directory, long owner);
    ~RecoveryKeeper() override;

    // What is written: the current picture (null for none); whether the window
    // is busy now (a running operation), in which case the write waits.
    void setSource(std::function<const Picture*()> picture, std::function<bool()> busy);
    void setDelay(int milliseconds) { delay_ = milliseconds; }

    // The picture holds work that is in no file: it is written after the delay.
    void pictureChanged();
    // The work is in a file now (saved, or nothing to keep): the recovery file goes.
    void pictureSaved();

    bool active() const { return lock_.held(); }
    const std::string& picturePath() const { return path_; }
    const std::string& directory() const { return directory_; }
    // The failure of the last write, empty after a good one.
    const std::string& lastError() const { return lastError_; }

signals:
    // A write has ended, well or not (lastError()).
    void written();

private:
    void writeWhenIdle();
    void finishWrite(bool ok, std::string error);
    void removePicture();

    std::string directory_;
    std::string path_;
    RecoveryLock lock_;
    std::function<const Picture*()> picture_;
    std::function<bool()> busy_;
    QTimer timer_;
    int delay_ = 3000;
    bool dirty_ = false;
    bool pending_ = false;  // a change came while a write was running
    std::thread worker_;
    RecoveryCopy spare_;  // the last copy's memory, used again for the next
    std::string lastError_;
};
