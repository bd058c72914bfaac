#pragma once
#include <string>
#include <vector>

#include "core/interaction.h"

// A scripted Interaction for the compositing runs: a fixed clock, Escape at chosen
// polls, Yes to every question, and a record of every message and progress report.
class RecordingInteraction : public Interaction {
public:
    int64_t clock = 4242;
    std::vector<int> escapeAtPolls;  // 1-based
    int polls = 0;
    std::vector<std::string> messages;  // "caption: text"
    std::vector<int64_t> progressed;
    std::vector<int64_t> passes;

    bool escapePressed() override {
        ++polls;
        for (int p : escapeAtPolls)
            if (p == polls) return true;
        return false;
    }
    bool askYesNo(const std::string&, const std::string&, Icon) override { return true; }
    void showMessage(const std::string& text, const std::string& caption, Icon) override {
        messages.push_back(caption + ": " + text);
    }
    int64_t clockSeconds() override { return clock; }
    void progress(int64_t done) override { progressed.push_back(done); }
    void passStarted(int64_t pass) override { passes.push_back(pass); }
};
