#include "command/undo_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// 1 x 1 pictures told apart by their first byte; -1 stands for no picture.
PicturePtr pic(int v) {
    if (v < 0) return nullptr;
    PicturePtr p = createPicture(1, 1, 0);
    p->pixels[0] = uint8_t(v);
    return p;
}
int val(const Picture* p) { return p ? p->pixels[0] : -1; }

// A user's session: the current picture and the history, driven step by step.
struct Session {
    UndoHistory history;
    PicturePtr current;

    void change(int to, const char* what) {
        history.record(current.get(), what);
        current = pic(to);
    }
    std::string undo() {
        UndoHistory::Move m = history.undo(std::move(current));
        current = std::move(m.picture);
        return m.what;
    }
    std::string redo() {
        UndoHistory::Move m = history.redo(std::move(current));
        current = std::move(m.picture);
        return m.what;
    }
};

TEST(UndoHistory, StepsBackAndForwardAndANewChangeDropsRedo) {
    Session s;
    s.current = pic(1);
    s.change(2, "Circle");
    s.change(3, "Noise");
    s.change(4, "Tag");
    // Each row: the action, then the picture and the name it gives.
    struct Row {
        char action;  // u: undo, r: redo, c: change to `value`
        int value;
        std::string what;
        bool canRedo;
    };
    const Row rows[] = {
        {'u', 3, "Tag", true},
        {'u', 2, "Noise", true},
        {'r', 3, "Noise", true},
        {'r', 4, "Tag", false},
        {'u', 3, "Tag", true},
        {'u', 2, "Noise", true},
        {'u', 1, "Circle", true},
        // The oldest step stays, as the single snapshot did: undo gives it again.
        {'u', 1, "Circle", true},
        {'r', 2, "Circle", true},
        {'c', 9, "Fill", false},
        {'u', 2, "Fill", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(1, r.action) + std::to_string(r.value));
        if (r.action == 'c') {
            s.change(r.value, r.what.c_str());
        } else {
            EXPECT_EQ(r.action == 'u' ? s.undo() : s.redo(), r.what);
        }
        EXPECT_EQ(val(s.current.get()), r.value);
        EXPECT_EQ(s.history.canRedo(), r.canRedo);
    }
}

TEST(UndoHistory, WithoutAStepOrFromNoPictureUndoLeavesNoPictureAndRedoBringsItBack) {
    Session s;
    s.current = pic(5);
    EXPECT_EQ(s.undo(), "");
    EXPECT_EQ(s.current, nullptr);
    s.redo();
    EXPECT_EQ(val(s.current.get()), 5);

    Session fromNothing;
    fromNothing.change(7, "Import File");  // the snapshot of no picture
    EXPECT_EQ(fromNothing.history.latest(), nullptr);
    EXPECT_EQ(fromNothing.undo(), "Import File");
    EXPECT_EQ(fromNothing.current, nullptr);
}

TEST(UndoHistory, KeepsWithinItsStepsAndBytesButAlwaysTheNewestStep) {
    struct Case {
        UndoHistory::Limits limits;
        int side;  // of each snapshot
        size_t steps;
    };
    // 4 x 4 pixels take 64 bytes; 10 x 10 take 400.
    const Case cases[] = {
        {{3, 1 << 20}, 4, 3},
        {{20, 150}, 4, 2},
        {{20, 150}, 10, 1},
        {{1, 1 << 20}, 4, 1},
    };
    for (const Case& c : cases) {
        UndoHistory history(c.limits);
        PicturePtr current = createPicture(c.side, c.side, 0);
        for (int i = 0; i < 6; ++i) {
            current->pixels[0] = uint8_t(i);
            history.record(current.get(), "step");
        }
        EXPECT_EQ(history.undoSteps(), c.steps);
        EXPECT_EQ(history.latest()->pixels[0], 5) << "the newest step is the one kept";
        EXPECT_LE(history.bytes(), std::max<uint64_t>(c.limits.bytes, uint64_t(c.side) * c.side * 4));
    }
    // Undone steps count too.
    UndoHistory history({3, 1 << 20});
    PicturePtr current = pic(0);
    for (int i = 1; i <= 3; ++i) {
        history.record(current.get(), "step");
        current = pic(i);
    }
    current = history.undo(std::move(current)).picture;
    history.setLimits({2, 1 << 20});
    EXPECT_EQ(history.undoSteps() + history.redoSteps(), 2u);
    EXPECT_TRUE(history.canRedo());
}

}  // namespace
