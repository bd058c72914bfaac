#include "generators/ui/vector_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPointer>
#include <QVBoxLayout>

#include "params/declarations.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"

cdvector::cdvector(VectorParams& params, QWidget* parent) : DeclaredDialog(vectorDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Vector"));
    fields_.addAll(block_);
    auto* top = new QVBoxLayout(this);
    top->addWidget(fields_.group(block_, 1));
    top->addWidget(fields_.group(block_, 2));
    top->addLayout(fields_.form(block_, 0));
    top->addLayout(makeOkCancelRow(this));
    focusOnRun("lengthMin");
}

cdvector& vectorDialog(QWidget* owner) {
    static QPointer<cdvector> instance;
    if (!instance) instance = new cdvector(vectorParams(), owner);
    return *instance;
}
