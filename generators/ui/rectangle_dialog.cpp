#include "generators/ui/rectangle_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPointer>
#include <QVBoxLayout>

#include "params/declarations.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"

ccdrectv1::ccdrectv1(RectangleParams& params, QWidget* parent)
    : DeclaredDialog(rectangleDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Dialog"));
    fields_.addAll(block_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(fields_.form(block_, 0));
    top->addLayout(makeOkCancelRow(this));
    focusOnRun("xMin");
}

ccdrectv1& rectangleDialog(QWidget* owner) {
    static QPointer<ccdrectv1> instance;
    if (!instance) instance = new ccdrectv1(rectangleParams(), owner);
    return *instance;
}
