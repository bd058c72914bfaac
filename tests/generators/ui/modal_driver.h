#pragma once
#include <QTimer>
#include <functional>

class QDialog;

// Acts on the next modal dialog that opens: polls for it while the code under
// test sits in exec(), runs `act` on it once, then stops. Gives up after about
// two seconds (and stops on destruction) so that a missing dialog cannot
// leave a stray action for the next test.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QDialog&)> act);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool fired() const { return fired_; }
    // Title of the dialog acted on.
    const QString& title() const { return title_; }

private:
    std::function<void(QDialog&)> act_;
    QTimer timer_;
    int polls_ = 0;
    bool fired_ = false;
    QString title_;
};
