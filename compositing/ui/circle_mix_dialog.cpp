#include "compositing/ui/circle_mix_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "compositing/ui/picture_file_list.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_fields.h"
#include "ui/file_list_widget.h"

cdmixcircle::cdmixcircle(CircleMixParams& params, QWidget* parent)
    : DeclaredDialog(circleMixDeclaration(), &params, parent) {
    setWindowTitle(QStringLiteral("Circle Mixe"));
    for (const char* name :
         {"mixMinPercent", "mixMaxPercent", "radiusMin", "radiusMax", "discCount", "discRotation", "plug"})
        fields_.add(block_, name);
    auto* hint = new QLabel(QString::fromLatin1(kDropHint), this);
    hint->setObjectName(QStringLiteral("hint"));
    for (const char* name : {"mixFiles", "opaqueMinPercent", "opaqueMaxPercent"}) fields_.add(block_, name);

    auto* ranges = new QHBoxLayout;
    ranges->addWidget(fields_.group(block_, 1));
    ranges->addWidget(fields_.group(block_, 2));

    auto* countRow = new QHBoxLayout;
    countRow->addLayout(fields_.form(block_, 0));
    countRow->addWidget(fields_.check("discRotation"));
    countRow->addWidget(fields_.check("plug"));
    countRow->addStretch(1);

    auto* top = new QVBoxLayout(this);
    top->addLayout(ranges);
    top->addLayout(countRow);
    top->addWidget(hint);
    top->addWidget(files(), 1);
    top->addLayout(fields_.form(block_, 3));
    top->addLayout(makeOkCancelRow(this));
    files()->takeDropsFor(this);
    resize(440, 420);
    focusOnRun("mixMinPercent");
}

FileListWidget* cdmixcircle::files() const { return fields_.fileList("mixFiles"); }

cdmixcircle& circleMixDialog(QWidget* owner) {
    static QPointer<cdmixcircle> instance;
    if (!instance) instance = new cdmixcircle(circleMixParams(), owner);
    return *instance;
}
