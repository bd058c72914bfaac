#include "filters/ui/noise_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "params/declarations.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"

cdfilternoise::cdfilternoise(NoiseParams& params, QWidget* parent)
    : DeclaredDialog(noiseDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Filter Noise"));
    fields_.addAll(block_);
    auto* grid = new QGridLayout;
    grid->addWidget(fields_.control("monochrome"), 0, 0, 1, 3);
    grid->addWidget(fields_.control("noisePercent"), 1, 1);
    grid->addWidget(fields_.label("noisePercent"), 1, 2);
    grid->addWidget(fields_.label("seed"), 2, 0);
    grid->addWidget(fields_.control("seed"), 2, 1);
    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(makeOkCancelRow(this));
    fill();
}

cdfilternoise& noiseDialog(QWidget* owner) {
    static QPointer<cdfilternoise> instance;
    if (!instance) instance = new cdfilternoise(noiseParams(), owner);
    return *instance;
}
