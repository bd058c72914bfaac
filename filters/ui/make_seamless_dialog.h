#pragma once
#include "filters/make_seamless.h"
#include "ui/declared_dialog.h"

// The choices of "Make Seamless ..." as the program's own settings keep them (beside
// the window placement, not in the configuration file); unknown stored values read as
// the defaults.
SeamlessOptions storedSeamlessOptions();
void storeSeamlessOptions(SeamlessOptions options);

// "Make Seamless": the method and the axes, each a list whose tooltips say which to
// pick when. The lists are named "method" and "axes".
class MakeSeamlessDialog : public DeclaredDialog {
    Q_OBJECT
public:
    explicit MakeSeamlessDialog(QWidget* parent = nullptr);

    // Shows the stored choices and runs modally. On OK stores the choices and returns true.
    bool run();
    SeamlessOptions options() const { return options_; }

private:
    SeamlessOptions options_;
};

// The run's single instance, made on first use, owned by `owner`.
MakeSeamlessDialog& makeSeamlessDialog(QWidget* owner);
