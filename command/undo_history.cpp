#include "command/undo_history.h"

#include <algorithm>

namespace {
uint64_t pictureBytes(const Picture* p) { return p ? uint64_t(p->width) * uint64_t(p->height) * 4 : 0; }

bool samePixels(const Picture* a, const Picture* b) {
    if (!a || !b) return a == b;
    return a->width == b->width && a->height == b->height &&
           std::equal(a->pixels, a->pixels + pictureBytes(a), b->pixels);
}
}  // namespace

void UndoHistory::setLimits(Limits limits) {
    limits_ = limits;
    trim();
}

uint64_t UndoHistory::bytes() const {
    uint64_t total = 0;
    for (const Step& s : undo_) total += pictureBytes(s.picture.get());
    for (const Step& s : redo_) total += pictureBytes(s.picture.get());
    return total;
}

void UndoHistory::record(const Picture* current, std::string what) {
    redo_.clear();
    undo_.push_back({copyPicture(current), std::move(what)});
    trim();
}

UndoHistory::Move UndoHistory::undo(PicturePtr current) {
    if (undo_.empty()) {
        if (current) redo_.push_back({std::move(current), {}});
        return {};
    }
    if (undo_.size() == 1) {
        // The oldest step stays; the picture it replaces is kept for redo unless it
        // is the same.
        const Step& oldest = undo_.front();
        if (!samePixels(current.get(), oldest.picture.get())) redo_.push_back({std::move(current), oldest.what});
        Move move{copyPicture(oldest.picture.get()), oldest.what};
        trim();
        return move;
    }
    Step step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back({std::move(current), step.what});
    return {std::move(step.picture), std::move(step.what)};
}

UndoHistory::Move UndoHistory::redo(PicturePtr current) {
    if (redo_.empty()) return {std::move(current), {}};
    Step step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back({std::move(current), step.what});
    trim();
    return {std::move(step.picture), std::move(step.what)};
}

void UndoHistory::trim() {
    const auto tooMany = [&] { return undo_.size() + redo_.size() > limits_.steps; };
    const auto tooLarge = [&] { return bytes() > limits_.bytes; };
    // The oldest undo steps go first, then the farthest redo steps; the newest
    // undo step stays.
    while ((tooMany() || tooLarge()) && undo_.size() > 1) undo_.erase(undo_.begin());
    while ((tooMany() || tooLarge()) && !redo_.empty()) redo_.erase(redo_.begin());
}
