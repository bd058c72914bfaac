#include "filters/ui/make_seamless_dialog.h"

#include <QPointer>

#include "params/declarations.h"
#include "ui/declared_settings.h"

SeamlessOptions storedSeamlessOptions() {
    SeamlessOptions options;
    readDeclaredSettings(seamlessDeclaration(), &options);
    return options;
}

void storeSeamlessOptions(SeamlessOptions options) { writeDeclaredSettings(seamlessDeclaration(), &options); }

MakeSeamlessDialog::MakeSeamlessDialog(QWidget* parent) : DeclaredDialog(seamlessDeclaration(), &options_, parent) {
    setWindowTitle(QStringLiteral("Make Seamless"));
    fields_.addAll(block_);
    layOut();
}

bool MakeSeamlessDialog::run() {
    options_ = storedSeamlessOptions();
    if (!DeclaredDialog::run()) return false;
    storeSeamlessOptions(options_);
    return true;
}

MakeSeamlessDialog& makeSeamlessDialog(QWidget* owner) {
    static QPointer<MakeSeamlessDialog> instance;
    if (!instance) instance = new MakeSeamlessDialog(owner);
    return *instance;
}
