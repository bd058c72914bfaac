#include "app/new_picture_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "core/paint_settings.h"
#include "params/declarations.h"
#include "ui/dialog_fields.h"

cdinitimg::cdinitimg(QWidget* parent) : QDialog(parent), fields_(this) {
    setWindowTitle("New Picture");
    const BlockDeclaration& block = newPictureDeclaration();
    fields_.addAll(block);
    // Connectable mode passes through the dialog unchanged, in a box never shown.
    bend_ = new QCheckBox("Bend", this);
    bend_->setVisible(false);
    bend_->setObjectName("check1002");
    QGridLayout* grid = fields_.grid(block, 0);
    grid->addWidget(bend_, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(makeOkCancelBox(this));
}

void cdinitimg::loadControls() {
    fields_.show(newPictureDeclaration(), &newPictureParams());
    bend_->setChecked(paintSettings().connectable != 0);
}

void cdinitimg::accept() {
    fields_.store(newPictureDeclaration(), &newPictureParams());
    paintSettings().connectable = bend_->isChecked() ? 1 : 0;
    endedWithOk_ = true;
    QDialog::accept();
}

void cdinitimg::reject() {
    endedWithOk_ = false;
    QDialog::reject();
}
