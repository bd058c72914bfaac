#include "filters/ui/make_seamless_command.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QStatusBar>

#include "command/command_runner.h"
#include "filters/make_seamless.h"
#include "filters/ui/make_seamless_dialog.h"
#include "ui/picture_host.h"

namespace {

// Passes everything on to the window's Interaction, but says the channels done in the
// status bar once the work has taken longer than a moment.
class ChannelProgress : public ForwardingInteraction {
public:
    ChannelProgress(Interaction& inner, QWidget* window)
        : ForwardingInteraction(inner), window_(qobject_cast<QMainWindow*>(window)) {
        started_.start();
    }
    void progress(int64_t done) override {
        if (!window_ || started_.elapsed() < kMomentMs) return;
        window_->statusBar()->showMessage(QStringLiteral("Make Seamless: %1 of 3 channels").arg(done));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    static constexpr qint64 kMomentMs = 300;
    QMainWindow* window_;
    QElapsedTimer started_;
};

}  // namespace

void runMakeSeamlessCommand(PictureHost& host) {
    MakeSeamlessDialog& dialog = makeSeamlessDialog(host.dialogParent());
    PictureCommand command;
    command.confirm = [&] { return dialog.run(); };
    command.run = [&](Picture& picture, Interaction& ui) {
        ChannelProgress progress(ui, host.dialogParent());
        makeSeamless(&picture, dialog.options(), progress);
        return true;
    };
    runPictureCommand(host, command);
}
