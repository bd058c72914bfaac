#include "generators/ui/circle_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPointer>
#include <QVBoxLayout>

#include "params/declarations.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"

ccdcirclev1::ccdcirclev1(CircleParams& params, QWidget* parent) : DeclaredDialog(circleDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Dialog"));
    fields_.addAll(block_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(fields_.form(block_, 0));
    top->addLayout(makeOkCancelRow(this));
    focusOnRun("rayMin");
}

ccdcirclev1& circleDialog(QWidget* owner) {
    static QPointer<ccdcirclev1> instance;
    if (!instance) instance = new ccdcirclev1(circleParams(), owner);
    return *instance;
}
