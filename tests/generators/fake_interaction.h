#pragma once
#include <string>
#include <vector>

#include "core/interaction.h"

// A scripted Interaction: a fixed clock, Escape reported at chosen polls, a fixed
// answer to questions, and a record of what was asked and reported.
class FakeInteraction : public Interaction {
public:
    int64_t clock = 12345;
    std::vector<int> escapeAtPolls;  // 1-based poll numbers at which Escape is pressed
    bool answerYes = true;
    int polls = 0;
    std::vector<std::string> questions;
    std::vector<int64_t> progressed;

    bool escapePressed() override {
        ++polls;
        for (int p : escapeAtPolls)
            if (p == polls) return true;
        return false;
    }
    bool askYesNo(const std::string& text, const std::string&, Icon) override {
        questions.push_back(text);
        return answerYes;
    }
    void showMessage(const std::string&, const std::string&, Icon) override {}
    int64_t clockSeconds() override { return clock; }
    void progress(int64_t done) override { progressed.push_back(done); }
};
