#include "cli/cli_interaction.h"

#include <signal.h>
#include <unistd.h>

#include <ctime>
#include <ostream>

namespace {
volatile sig_atomic_t g_interrupted = 0;

void onInterrupt(int) {
    if (g_interrupted) _exit(130);
    g_interrupted = 1;
}
}  // namespace

void installInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
}

void raiseInterruptFlag() { g_interrupted = 1; }

CliInteraction::CliInteraction(std::ostream& err, bool showProgress) : err_(err), showProgress_(showProgress) {}

bool CliInteraction::escapePressed() {
    if (!g_interrupted) return false;
    g_interrupted = 0;
    return true;
}

bool CliInteraction::askYesNo(const std::string&, const std::string&, Icon) { return true; }

void CliInteraction::showMessage(const std::string& text, const std::string&, Icon) {
    finishProgress();
    err_ << text << '\n';
}

int64_t CliInteraction::clockSeconds() {
    if (seed_) return *seed_;
    return static_cast<int64_t>(std::time(nullptr));
}

void CliInteraction::progress(int64_t done) {
    if (!showProgress_) return;
    lastDone_ = done;
    // Redraw at most every few shapes' worth of time: a cheap clock check.
    const int64_t now = static_cast<int64_t>(std::clock() / (CLOCKS_PER_SEC / 10));
    if (now == lastShownAt_ && done != 1) return;
    lastShownAt_ = now;
    err_ << "\rshapes drawn: " << done;
    if (pass_ > 0) err_ << ", pass " << pass_;
    err_ << std::flush;
    progressShown_ = true;
}

void CliInteraction::passStarted(int64_t pass) {
    pass_ = pass;
    if (showProgress_) progress(lastDone_);
}

void CliInteraction::finishProgress() {
    if (progressShown_) {
        err_ << "\rshapes drawn: " << lastDone_;
        if (pass_ > 0) err_ << ", pass " << pass_;
        err_ << '\n';
    }
    progressShown_ = false;
    pass_ = 0;
    lastShownAt_ = -1;
}
