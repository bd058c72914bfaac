#include "generators/ui/vector_dialog.h"

#include <QPointer>

#include "params/declarations.h"
#include "params/parameter_blocks.h"

cdvector::cdvector(VectorParams& params, QWidget* parent) : DeclaredDialog(vectorDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Vector"));
    fields_.addAll(block_);
    layOut();
    focusOnRun("lengthMin");
}

cdvector& vectorDialog(QWidget* owner) {
    static QPointer<cdvector> instance;
    if (!instance) instance = new cdvector(vectorParams(), owner);
    return *instance;
}
