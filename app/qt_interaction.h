#pragma once
#include <QElapsedTimer>
#include <QObject>

#include <functional>

#include "core/interaction.h"

class QWidget;

// Interaction for the window. Message boxes are owned by the window; tests answer
// them through hooks instead. While an operation runs, input aimed at the window
// is swallowed (nothing else reacts during a run) and Escape presses are recorded
// for escapePressed(); dialogs and questions opened meanwhile work normally.
class QtInteraction : public QObject, public Interaction {
public:
    using MessageHook = std::function<void(const std::string& text, const std::string& caption, Icon icon)>;
    using QuestionHook = std::function<bool(const std::string& text, const std::string& caption, Icon icon)>;
    using Clock = std::function<int64_t()>;
    using ProgressSink = std::function<void(int64_t done)>;

    explicit QtInteraction(QWidget* owner);
    ~QtInteraction() override;

    bool escapePressed() override;
    bool askYesNo(const std::string& text, const std::string& caption, Icon icon) override;
    void showMessage(const std::string& text, const std::string& caption, Icon icon) override;
    int64_t clockSeconds() override;
    void progress(int64_t done) override;
    void passStarted(int64_t pass) override;
    // The pass of a phase that repeats (plugging), 0 outside one; shown with the count.
    int64_t pass() const { return pass_; }

    // Seams: replace the message boxes, the clock, and what progress shows.
    void setMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
    void setQuestionHook(QuestionHook hook) { questionHook_ = std::move(hook); }
    void setClock(Clock clock) { clock_ = std::move(clock); }
    void setProgressSink(ProgressSink sink) { progressSink_ = std::move(sink); }

    // Brackets one command: input to the window is held off in between.
    void beginOperation();
    void endOperation();
    bool operationRunning() const { return depth_ > 0; }
    // Stops the running operation as Escape and a Yes to "Interrompre ?" would,
    // without asking again (the window was closed during the run).
    void requestStop() { stopRequested_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* owner_;
    MessageHook messageHook_;
    QuestionHook questionHook_;
    Clock clock_;
    ProgressSink progressSink_;
    int depth_ = 0;
    bool escapeSeen_ = false;
    bool stopRequested_ = false;
    QElapsedTimer lastPump_;
    QElapsedTimer lastProgress_;
    int64_t lastDone_ = 0;
    int64_t pass_ = 0;
    bool progressPending_ = false;
};

// Holds the window's input off for one command, however the command ends.
class OperationScope {
public:
    explicit OperationScope(QtInteraction& ui) : ui_(ui) { ui_.beginOperation(); }
    ~OperationScope() { ui_.endOperation(); }
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

private:
    QtInteraction& ui_;
};
