#pragma once
#include <functional>
#include <string>

// The start-up's error box for the run-time library: caption "TOLVANEA.RUNTIME",
// Yes and No. Answering Yes suppresses every later one for the rest of the run.
class RuntimeMessages {
public:
    // Shows the box and returns true for Yes.
    using Ask = std::function<bool(const std::string& text)>;

    explicit RuntimeMessages(Ask ask) : ask_(std::move(ask)) {}

    void show(const std::string& text) {
        if (suppressed_) return;
        if (ask_ && ask_(text)) suppressed_ = true;
    }
    bool suppressed() const { return suppressed_; }

private:
    Ask ask_;
    bool suppressed_ = false;
};

inline constexpr const char* kRuntimeCaption = "TOLVANEA.RUNTIME";
