#pragma once
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

class QDialog;

// Acts on modal dialogs while the code under test sits in exec(): polls for the
// active modal dialog and runs `act` on it.
//  - once (the default): on the first dialog only; gives up after about two
//    seconds, and stops on destruction, so that a dialog that never opens leaves
//    no stray action for the next test;
//  - every: on each dialog that comes up, for as long as the driver lives.
class ModalDriver {
public:
    enum class Answer { once, every };

    explicit ModalDriver(std::function<void(QDialog&)> act, Answer answer = Answer::once);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool fired() const { return !seen.empty(); }
    // Title of the last dialog acted on.
    const QString& title() const { return title_; }

    // Class names of the dialogs acted on, in order.
    std::vector<std::string> seen;

private:
    std::function<void(QDialog&)> act_;
    Answer answer_;
    QTimer timer_;
    int polls_ = 0;
    QString title_;
};
