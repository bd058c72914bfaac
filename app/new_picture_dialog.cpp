#include "app/new_picture_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/paint_settings.h"
#include "params/declarations.h"

cdinitimg::cdinitimg(QWidget* parent) : QDialog(parent), fields_(this) {
    setWindowTitle("New Picture");
    fields_.addAll(newPictureDeclaration());
    xField_ = fields_.edit("pictureWidth");
    yField_ = fields_.edit("pictureHeight");
    // Connectable mode passes through the dialog unchanged, in a box never shown.
    bend_ = new QCheckBox("Bend", this);
    bend_->setVisible(false);
    bend_->setObjectName("check1002");

    auto* grid = new QGridLayout;
    grid->addWidget(fields_.label("pictureWidth"), 0, 0);
    grid->addWidget(xField_, 0, 1);
    grid->addWidget(fields_.label("pictureHeight"), 1, 0);
    grid->addWidget(yField_, 1, 1);
    grid->addWidget(bend_, 2, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("ok");
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("cancel");
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void cdinitimg::loadControls() {
    bend_->setChecked(false);
    fields_.show(newPictureDeclaration(), &newPictureParams());
    if (paintSettings().connectable) bend_->setChecked(true);
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
