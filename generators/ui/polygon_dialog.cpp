#include "generators/ui/polygon_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPointer>
#include <QVBoxLayout>

#include "params/declarations.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"

CTPoly::CTPoly(PolygonParams& params, QWidget* parent) : DeclaredDialog(polygonDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Polygone"));
    fields_.addAll(block_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(fields_.form(block_, 0));
    top->addLayout(makeOkCancelRow(this));
    focusOnRun("rayMin");
}

CTPoly& polygonDialog(QWidget* owner) {
    static QPointer<CTPoly> instance;
    if (!instance) instance = new CTPoly(polygonParams(), owner);
    return *instance;
}
