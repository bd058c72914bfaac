#include "tests/filters/ui/dialog_driver.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

DialogDriver::DialogDriver(std::function<void(QDialog&)> act) : act_(std::move(act)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++polls_ > 400) timer_.stop();
            return;
        }
        timer_.stop();
        fired_ = true;
        title_ = dialog->windowTitle();
        act_(*dialog);
    });
    timer_.start();
}

DialogDriver::~DialogDriver() { timer_.stop(); }

void ensureApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "filters_ui_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives until the process ends
}

QLineEdit* editOf(QDialog& dialog, int controlId) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("edit%1").arg(controlId));
}

void clickOk(QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click(); }
void clickCancel(QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("cancel"))->click(); }

// Fontconfig keeps a cache for the life of the process that LeakSanitizer reports at
// exit; it is the toolkit's, not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
