#include "generators/ui/polygon_dialog.h"

#include <QPointer>

#include "params/declarations.h"
#include "params/parameter_blocks.h"

CTPoly::CTPoly(PolygonParams& params, QWidget* parent) : DeclaredDialog(polygonDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Polygone"));
    fields_.addAll(block_);
    layOut();
    focusOnRun("rayMin");
}

CTPoly& polygonDialog(QWidget* owner) {
    static QPointer<CTPoly> instance;
    if (!instance) instance = new CTPoly(polygonParams(), owner);
    return *instance;
}
