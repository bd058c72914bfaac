#include "tests/generators/ui/modal_driver.h"

#include <QApplication>
#include <QDialog>

ModalDriver::ModalDriver(std::function<void(QDialog&)> act) : act_(std::move(act)) {
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

ModalDriver::~ModalDriver() { timer_.stop(); }
