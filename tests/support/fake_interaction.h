#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/interaction.h"

// A scripted Interaction: a fixed clock, Escape pressed at chosen polls, one
// answer to every question, and a record of what was asked, shown and
// reported as progress. When log is set, questions and messages are also
// appended to it ("ask: <text>", "message: <text>"), in order with whatever
// else writes there.
class FakeInteraction : public Interaction {
public:
    // One question or message as it was put.
    struct Said {
        std::string text;
        std::string caption;
        Icon icon;
    };

    explicit FakeInteraction(int64_t clockSeconds = 12345) : clock(clockSeconds) {}

    bool escapePressed() override;
    bool askYesNo(const std::string& text, const std::string& caption, Icon icon) override;
    void showMessage(const std::string& text, const std::string& caption, Icon icon) override;
    int64_t clockSeconds() override { return clock; }
    void progress(int64_t done) override { progressed.push_back(done); }
    void passStarted(int64_t pass) override { passes.push_back(pass); }

    std::vector<std::string> questionTexts() const;
    std::vector<std::string> messageTexts() const;
    // Messages as "caption: text".
    std::vector<std::string> captionedMessages() const;

    int64_t clock;
    std::vector<int> escapeAtPolls;  // 1-based poll numbers at which Escape is pressed
    bool answerYes = true;
    int polls = 0;
    std::vector<Said> questions;
    std::vector<Said> messages;
    std::vector<int64_t> progressed;
    std::vector<int64_t> passes;
    std::vector<std::string>* log = nullptr;
};
