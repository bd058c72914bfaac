#include "filters/ui/noise_dialog.h"

#include <QPointer>

#include "params/declarations.h"
#include "params/parameter_blocks.h"

cdfilternoise::cdfilternoise(NoiseParams& params, QWidget* parent)
    : DeclaredDialog(noiseDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Filter Noise"));
    fields_.addAll(block_);
    layOut();
    fill();
}

cdfilternoise& noiseDialog(QWidget* owner) {
    static QPointer<cdfilternoise> instance;
    if (!instance) instance = new cdfilternoise(noiseParams(), owner);
    return *instance;
}
