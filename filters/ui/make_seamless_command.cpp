#include "filters/ui/make_seamless_command.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QStatusBar>
#include <new>

#include "filters/make_seamless.h"
#include "filters/ui/make_seamless_dialog.h"
#include "ui/picture_host.h"

namespace {

// Passes everything on to the window's Interaction, but says the channels done in the
// status bar once the work has taken longer than a moment.
class ChannelProgress : public Interaction {
public:
    ChannelProgress(Interaction& inner, QWidget* window) : inner_(inner), window_(qobject_cast<QMainWindow*>(window)) {
        started_.start();
    }
    bool escapePressed() override { return inner_.escapePressed(); }
    bool askYesNo(const std::string& text, const std::string& caption, Icon icon) override {
        return inner_.askYesNo(text, caption, icon);
    }
    void showMessage(const std::string& text, const std::string& caption, Icon icon) override {
        inner_.showMessage(text, caption, icon);
    }
    int64_t clockSeconds() override { return inner_.clockSeconds(); }
    void progress(int64_t done) override {
        if (!window_ || started_.elapsed() < kMomentMs) return;
        window_->statusBar()->showMessage(QStringLiteral("Make Seamless: %1 of 3 channels").arg(done));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    static constexpr qint64 kMomentMs = 300;
    Interaction& inner_;
    QMainWindow* window_;
    QElapsedTimer started_;
};

}  // namespace

void runMakeSeamlessCommand(PictureHost& host) {
    if (!host.requirePicture()) return;
    MakeSeamlessDialog& dialog = makeSeamlessDialog(host.dialogParent());
    if (!dialog.run()) return;
    host.saveUndoSnapshot();
    ChannelProgress ui(host.interaction(), host.dialogParent());
    try {
        makeSeamless(host.currentPicture(), dialog.options(), ui);
    } catch (const std::bad_alloc&) {
        host.interaction().showMessage("Not enough memory to filter this picture", kMainCaption,
                                       Interaction::Icon::Error);
    }
    host.refreshView();
}
