#pragma once
#include <cstdint>
#include <string>

// Everything an operation needs from its surroundings. The window, the command
// line and the tests each implement it; operations never talk to a toolkit.
class Interaction {
public:
    enum class Icon { None, Error, Warning, Information, Question };

    virtual ~Interaction() = default;

    // Whether Escape is down or was pressed since the last call; never waits.
    virtual bool escapePressed() = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& caption, Icon icon) = 0;
    virtual void showMessage(const std::string& text, const std::string& caption, Icon icon) = 0;
    // Whole seconds since 1970-01-01 UTC, used to seed random operations.
    virtual int64_t clockSeconds() = 0;
    // Called after each shape of a long operation with the number drawn so far;
    // the window uses it to show progress. Must not change the picture.
    virtual void progress(int64_t /*done*/) {}
    // Called by operations that sweep the picture in passes until nothing is left to
    // do (the plugging phase of circle mix) as each pass starts, so that a phase that
    // may never end by itself shows how far it is. Must not change the picture.
    virtual void passStarted(int64_t /*pass*/) {}
};

// The question every long operation asks when Escape was pressed.
inline constexpr const char* kInterruptQuestion = "Interrompre ?";
inline constexpr const char* kMainCaption = "KorvintePicture";

// The check that opens each long operation and the one after each shape: asks
// "Interrompre ?" when Escape was pressed. Returns true when the run must stop.
inline bool interruptRequested(Interaction& ui) {
    if (!ui.escapePressed()) return false;
    return ui.askYesNo(kInterruptQuestion, kMainCaption, Interaction::Icon::Warning);
}

// Passes every call on to another Interaction; a caller overrides what it shows its
// own way (the progress of an operation that counts something else than shapes).
class ForwardingInteraction : public Interaction {
public:
    explicit ForwardingInteraction(Interaction& inner) : inner_(inner) {}
    bool escapePressed() override { return inner_.escapePressed(); }
    bool askYesNo(const std::string& text, const std::string& caption, Icon icon) override {
        return inner_.askYesNo(text, caption, icon);
    }
    void showMessage(const std::string& text, const std::string& caption, Icon icon) override {
        inner_.showMessage(text, caption, icon);
    }
    int64_t clockSeconds() override { return inner_.clockSeconds(); }
    void progress(int64_t done) override { inner_.progress(done); }
    void passStarted(int64_t pass) override { inner_.passStarted(pass); }

private:
    Interaction& inner_;
};
