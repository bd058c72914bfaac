#include "app/qt_interaction.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>

namespace {
// Escape is looked for between shapes; pumping events that often would cost more
// than the shapes, so the queue is read at most every 20 ms.
constexpr qint64 kPumpIntervalMs = 20;
// The view follows a long run at most ten times a second.
constexpr qint64 kProgressIntervalMs = 100;

QMessageBox::Icon boxIcon(Interaction::Icon icon) {
    switch (icon) {
    case Interaction::Icon::Error:
        return QMessageBox::Critical;
    case Interaction::Icon::Warning:
        return QMessageBox::Warning;
    case Interaction::Icon::Information:
        return QMessageBox::Information;
    case Interaction::Icon::Question:
        return QMessageBox::Question;
    case Interaction::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}
}  // namespace

QtInteraction::QtInteraction(QWidget* owner) : QObject(nullptr), owner_(owner) { qApp->installEventFilter(this); }

QtInteraction::~QtInteraction() {
    if (qApp) qApp->removeEventFilter(this);
}

bool QtInteraction::escapePressed() {
    if (!lastPump_.isValid() || lastPump_.elapsed() >= kPumpIntervalMs) {
        lastPump_.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    const bool seen = escapeSeen_ || stopRequested_;
    escapeSeen_ = false;
    return seen;
}

bool QtInteraction::askYesNo(const std::string& text, const std::string& caption, Icon icon) {
    if (stopRequested_ && text == kInterruptQuestion) return true;
    if (questionHook_) return questionHook_(text, caption, icon);
    QMessageBox box(boxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    return box.exec() == QMessageBox::Yes;
}

void QtInteraction::showMessage(const std::string& text, const std::string& caption, Icon icon) {
    if (messageHook_) {
        messageHook_(text, caption, icon);
        return;
    }
    QMessageBox box(boxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                    owner_);
    box.exec();
}

int64_t QtInteraction::clockSeconds() {
    if (clock_) return clock_();
    return QDateTime::currentSecsSinceEpoch();
}

void QtInteraction::progress(int64_t done) {
    lastDone_ = done;
    if (lastProgress_.isValid() && lastProgress_.elapsed() < kProgressIntervalMs) {
        progressPending_ = true;
        return;
    }
    lastProgress_.start();
    progressPending_ = false;
    if (progressSink_) progressSink_(done);
    // Paint what changed; input stays queued until escapePressed reads it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtInteraction::passStarted(int64_t pass) {
    pass_ = pass;
    // A new pass is shown at once, whatever the last count's time.
    lastProgress_.invalidate();
    progress(lastDone_);
}

void QtInteraction::beginOperation() {
    if (depth_++ == 0) {
        pass_ = 0;
        lastDone_ = 0;
        escapeSeen_ = false;
        stopRequested_ = false;
        progressPending_ = false;
        lastProgress_.invalidate();
        lastPump_.invalidate();
    }
}

void QtInteraction::endOperation() {
    if (depth_ > 0) --depth_;
    if (depth_ == 0) stopRequested_ = false;
    // The last count may have fallen between two shown ones; the run ends showing it.
    if (depth_ == 0 && progressPending_) {
        progressPending_ = false;
        if (progressSink_) progressSink_(lastDone_);
    }
}

bool QtInteraction::eventFilter(QObject* watched, QEvent* event) {
    if (depth_ == 0 || !isUserInput(event->type()) || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    // Dialogs and questions opened by the running command are windows of their own
    // and keep their input; only the main window is held off.
    if (widget->window() != owner_) return false;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        escapeSeen_ = true;
    }
    return true;
}
