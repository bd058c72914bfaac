#include "compositing/ui/compositing_commands.h"

#include <QMainWindow>
#include <QStatusBar>

#include "compositing/circle_mix.h"
#include "compositing/tag_stamping.h"
#include "compositing/ui/circle_mix_dialog.h"
#include "compositing/ui/tag_dialog.h"
#include "core/paint_settings.h"
#include "params/parameter_blocks.h"
#include "ui/picture_host.h"

namespace {

// The host's Interaction, with the pass of a plugging phase added to the progress
// the window shows: that phase may never end by itself, so it says where it is.
class PassReporting : public Interaction {
public:
    PassReporting(Interaction& inner, QWidget* window) : inner_(inner), window_(qobject_cast<QMainWindow*>(window)) {}

    bool escapePressed() override { return inner_.escapePressed(); }
    bool askYesNo(const std::string& text, const std::string& caption, Icon icon) override {
        return inner_.askYesNo(text, caption, icon);
    }
    void showMessage(const std::string& text, const std::string& caption, Icon icon) override {
        inner_.showMessage(text, caption, icon);
    }
    int64_t clockSeconds() override { return inner_.clockSeconds(); }
    void progress(int64_t done) override {
        done_ = done;
        inner_.progress(done);
        if (pass_ > 0) showPass();
    }
    void passStarted(int64_t pass) override {
        pass_ = pass;
        inner_.passStarted(pass);
        showPass();
    }

private:
    void showPass() {
        if (!window_) return;
        QStatusBar* bar = window_->statusBar();
        bar->showMessage(QStringLiteral("Plug, pass %1: %2 shapes").arg(pass_).arg(done_));
        bar->repaint();
    }

    Interaction& inner_;
    QMainWindow* window_;
    int64_t pass_ = 0;
    int64_t done_ = 0;
};

}  // namespace

void runTagCommand(PictureHost& host, const ImageLibrary& library) {
    if (!host.requirePicture()) return;
    if (!tagDialog(host.dialogParent()).run()) return;
    host.showEscapeInformation();
    host.saveUndoSnapshot();
    const PaintSettings& s = paintSettings();
    stampTags(host.currentPicture(), tagParams(), s.blendColor, s.rotationAntiAlias != 0, library, host.interaction());
    host.refreshView();
}

void runCircleMixCommand(PictureHost& host, const ImageLibrary& library) {
    if (!host.requirePicture()) return;
    if (!circleMixDialog(host.dialogParent()).run()) return;
    host.showEscapeInformation();
    host.saveUndoSnapshot();
    QWidget* parent = host.dialogParent();
    PassReporting ui(host.interaction(), parent ? parent->window() : nullptr);
    mixCircles(host.currentPicture(), circleMixParams(), paintSettings().rotationAntiAlias != 0, library, ui);
    host.refreshView();
}
