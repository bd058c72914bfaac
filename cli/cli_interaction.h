#pragma once
#include <cstdint>
#include <iosfwd>
#include <optional>

#include "core/interaction.h"

// The command line's surroundings: Ctrl+C stands for Escape and every question
// "Interrompre ?" is answered Yes, so an interrupt stops the step that is drawing
// and the later steps still run. The clock is the `seed` step's value when one was
// given. Messages and progress go to the error stream.
class CliInteraction : public Interaction {
public:
    explicit CliInteraction(std::ostream& err, bool showProgress);

    bool escapePressed() override;
    bool askYesNo(const std::string& text, const std::string& caption, Icon icon) override;
    void showMessage(const std::string& text, const std::string& caption, Icon icon) override;
    int64_t clockSeconds() override;
    void progress(int64_t done) override;
    void passStarted(int64_t pass) override;

    void setSeed(int64_t seed) { seed_ = seed; }
    // Ends a line of progress before other output.
    void finishProgress();

private:
    std::ostream& err_;
    bool showProgress_;
    bool progressShown_ = false;
    int64_t lastShownAt_ = -1;
    int64_t lastDone_ = 0;
    int64_t pass_ = 0;  // the pass of a phase that sweeps in passes, 0 outside one
    std::optional<int64_t> seed_;
};

// Routes SIGINT to CliInteraction::escapePressed. A second Ctrl+C while the first
// is still unanswered ends the program.
void installInterruptHandler();

// For tests: as if Ctrl+C had been pressed.
void raiseInterruptFlag();
