#include "generators/ui/mix_dialog.h"

#include <QPointer>

#include "params/declarations.h"
#include "params/parameter_blocks.h"

cdpercentmix::cdpercentmix(PaintSettings& settings, QWidget* parent)
    : DeclaredDialog(paintSettingsDeclaration(), &settings, parent) {
    setWindowTitle(QStringLiteral("Mix"));
    fields_.add(block_, "mixFromPercent");
    fields_.add(block_, "mixToPercent");
    layOut();
    focusOnRun("mixFromPercent");
}

cdpercentmix& mixDialog(QWidget* owner) {
    static QPointer<cdpercentmix> instance;
    if (!instance) instance = new cdpercentmix(paintSettings(), owner);
    return *instance;
}
