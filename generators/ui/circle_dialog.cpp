#include "generators/ui/circle_dialog.h"

#include <QPointer>

#include "params/declarations.h"
#include "params/parameter_blocks.h"

ccdcirclev1::ccdcirclev1(CircleParams& params, QWidget* parent) : DeclaredDialog(circleDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Dialog"));
    fields_.addAll(block_);
    layOut();
    focusOnRun("rayMin");
}

ccdcirclev1& circleDialog(QWidget* owner) {
    static QPointer<ccdcirclev1> instance;
    if (!instance) instance = new ccdcirclev1(circleParams(), owner);
    return *instance;
}
