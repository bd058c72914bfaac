#include "generators/ui/mix_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPointer>
#include <QVBoxLayout>

#include "params/declarations.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"

cdpercentmix::cdpercentmix(PaintSettings& settings, QWidget* parent)
    : DeclaredDialog(paintSettingsDeclaration(), &settings, parent) {
    setWindowTitle(QStringLiteral("Mix"));
    fields_.add(block_, "mixFromPercent");
    fields_.add(block_, "mixToPercent");
    auto* top = new QVBoxLayout(this);
    top->addWidget(fields_.group(block_, 0));
    top->addLayout(makeOkCancelRow(this));
    focusOnRun("mixFromPercent");
}

cdpercentmix& mixDialog(QWidget* owner) {
    static QPointer<cdpercentmix> instance;
    if (!instance) instance = new cdpercentmix(paintSettings(), owner);
    return *instance;
}
