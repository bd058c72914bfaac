#pragma once
#include <QString>
#include <QTimer>
#include <functional>

class QDialog;
class QLineEdit;

// Acts once on the next modal dialog while the code under test waits in exec(); gives up
// after about two seconds so a dialog that never opens leaves nothing behind.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void(QDialog&)> act);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool fired() const { return fired_; }
    const QString& title() const { return title_; }

private:
    std::function<void(QDialog&)> act_;
    QTimer timer_;
    int polls_ = 0;
    bool fired_ = false;
    QString title_;
};

// A QApplication for the whole test program, made on first use.
void ensureApplication();

// Control lookups by the dialogs' object names.
QLineEdit* editOf(QDialog& dialog, int controlId);
void clickOk(QDialog& dialog);
void clickCancel(QDialog& dialog);
