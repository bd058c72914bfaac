#include "filters/ui/sharpen_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "params/declarations.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"

cdsharpen::cdsharpen(SharpenParams& params, QWidget* parent) : DeclaredDialog(sharpenDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Sharpen"));
    fields_.addAll(block_);
    auto* row = new QHBoxLayout;
    row->addWidget(fields_.control("sharpenPercent"));
    row->addWidget(fields_.label("sharpenPercent"));
    auto* top = new QVBoxLayout(this);
    top->addLayout(row);
    top->addLayout(makeOkCancelRow(this));
    fill();
}

cdsharpen& sharpenDialog(QWidget* owner) {
    static QPointer<cdsharpen> instance;
    if (!instance) instance = new cdsharpen(sharpenParams(), owner);
    return *instance;
}
