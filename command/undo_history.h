#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/picture.h"

// The window's undo history: the pictures from before the last changes, newest
// last, and the pictures undone since, for redo. Bounded by a number of steps and
// by the bytes their pixels take, whichever is reached first; the oldest steps go
// first, and the newest step is kept whatever its size.
//
// The oldest step stays when it is undone to, as the single snapshot of old did:
// undoing again brings back a fresh copy of it. A step may hold no picture (the
// snapshot of no picture): undoing to it leaves no picture. With no step at all,
// undo also leaves no picture.
struct UndoLimits {
    size_t steps = 20;
    uint64_t bytes = uint64_t(1) << 30;
};

class UndoHistory {
public:
    using Limits = UndoLimits;

    explicit UndoHistory(Limits limits = {}) : limits_(limits) {}

    void setLimits(Limits limits);
    Limits limits() const { return limits_; }

    // A copy of `current` (may be null) taken before a change named `what`; drops
    // the redo steps.
    void record(const Picture* current, std::string what);
    // Drops the redo steps (a change that keeps no undo step, such as New).
    void dropRedo() { redo_.clear(); }

    // What undo leads to: the picture to make current (null: none) and the name of
    // the change taken back. `current` is kept for redo.
    struct Move {
        PicturePtr picture;
        std::string what;
    };
    Move undo(PicturePtr current);
    bool canRedo() const { return !redo_.empty(); }
    // The picture undone last, back; `current` goes back on the undo side. Only
    // when canRedo().
    Move redo(PicturePtr current);

    // The newest undo step's picture, or null.
    const Picture* latest() const { return undo_.empty() ? nullptr : undo_.back().picture.get(); }
    size_t undoSteps() const { return undo_.size(); }
    size_t redoSteps() const { return redo_.size(); }
    uint64_t bytes() const;

private:
    struct Step {
        PicturePtr picture;
        std::string what;
    };
    void trim();

    Limits limits_;
    std::vector<Step> undo_;  // oldest first
    std::vector<Step> redo_;  // the next to redo last
};
