#include "filters/ui/sharpen_dialog.h"

#include <QPointer>

#include "params/declarations.h"
#include "params/parameter_blocks.h"

cdsharpen::cdsharpen(SharpenParams& params, QWidget* parent) : DeclaredDialog(sharpenDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Sharpen"));
    fields_.addAll(block_);
    layOut();
    fill();
}

cdsharpen& sharpenDialog(QWidget* owner) {
    static QPointer<cdsharpen> instance;
    if (!instance) instance = new cdsharpen(sharpenParams(), owner);
    return *instance;
}
