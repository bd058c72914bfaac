#include "tests/support/modal_driver.h"

#include <QApplication>
#include <QDialog>

ModalDriver::ModalDriver(std::function<void(QDialog&)> act, Answer answer) : act_(std::move(act)), answer_(answer) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (answer_ == Answer::once && ++polls_ > 400) timer_.stop();
            return;
        }
        if (answer_ == Answer::once) timer_.stop();
        seen.push_back(dialog->metaObject()->className());
        title_ = dialog->windowTitle();
        act_(*dialog);
    });
    timer_.start();
}

ModalDriver::~ModalDriver() { timer_.stop(); }
