#include "compositing/ui/tag_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "compositing/ui/picture_file_list.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"
#include "ui/file_list_widget.h"

cdtagpng::cdtagpng(TagParams& params, QWidget* parent) : DeclaredDialog(tagDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Tag"));
    auto* hint = new QLabel(QString::fromLatin1(kDropHint), this);
    hint->setObjectName(QStringLiteral("hint"));
    fields_.addAll(block_);

    QGroupBox* rotationGroup = fields_.group(block_, 1);
    auto* extended = new QGroupBox(DeclaredFields::title(block_, 2), this);
    auto* extendedLayout = new QVBoxLayout(extended);
    extendedLayout->addWidget(rotationGroup);

    auto* top = new QVBoxLayout(this);
    top->addWidget(hint);
    top->addWidget(files(), 1);
    top->addLayout(fields_.form(block_, 0));
    top->addWidget(extended);
    top->addLayout(makeOkCancelRow(this));
    files()->takeDropsFor(this);
    resize(420, 320);
    focusOnRun("tagCount");
}

FileListWidget* cdtagpng::files() const { return fields_.fileList("tagFiles"); }

cdtagpng& tagDialog(QWidget* owner) {
    static QPointer<cdtagpng> instance;
    if (!instance) instance = new cdtagpng(tagParams(), owner);
    return *instance;
}
