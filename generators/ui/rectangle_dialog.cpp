#include "generators/ui/rectangle_dialog.h"

#include <QPointer>

#include "params/declarations.h"
#include "params/parameter_blocks.h"

ccdrectv1::ccdrectv1(RectangleParams& params, QWidget* parent)
    : DeclaredDialog(rectangleDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Dialog"));
    fields_.addAll(block_);
    layOut();
    focusOnRun("xMin");
}

ccdrectv1& rectangleDialog(QWidget* owner) {
    static QPointer<ccdrectv1> instance;
    if (!instance) instance = new ccdrectv1(rectangleParams(), owner);
    return *instance;
}
