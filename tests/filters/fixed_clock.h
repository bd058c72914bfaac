#pragma once
#include "core/interaction.h"

// An Interaction that never asks anything and whose clock stands still.
class FixedClock : public Interaction {
public:
    explicit FixedClock(int64_t seconds) : seconds_(seconds) {}
    bool escapePressed() override { return false; }
    bool askYesNo(const std::string&, const std::string&, Icon) override { return false; }
    void showMessage(const std::string&, const std::string&, Icon) override {}
    int64_t clockSeconds() override { return seconds_; }

private:
    int64_t seconds_;
};
