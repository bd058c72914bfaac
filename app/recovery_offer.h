#pragma once
#include <functional>
#include <string>

#include "core/picture.h"

// How the offer at start speaks to the user.
struct RecoveryPrompt {
    // "Restore" (true) or "Discard" (false) for the work kept at `when` (local time).
    std::function<bool(const std::string& when)> askRestore;
    // A message about a recovery file that could not be read.
    std::function<void(const std::string& text)> tell;
};

// At start, before anything else: the recovery pictures in `directory` left by
// programs that ended without cleaning up are offered, newest first. A restored
// one is renamed to `ownPath` (this program's own recovery file, so that it stays
// safe until the program writes it again) and returned; a discarded one is
// removed; one that cannot be read is moved aside with a message. After a restore
// the remaining ones wait for a later start. `self` is this program's owner number.
PicturePtr offerRecovery(const std::string& directory, long self, const std::string& ownPath,
                         const RecoveryPrompt& prompt);

// The offer's texts.
std::string recoveryQuestion(const std::string& when);
std::string unreadableRecoveryText(const std::string& path, const std::string& problem, const std::string& aside);

// The prompt of a real run: message boxes without an owner window.
RecoveryPrompt messageBoxRecoveryPrompt();
