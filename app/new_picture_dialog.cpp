#include "app/new_picture_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/c_integer.h"
#include "core/paint_settings.h"
#include "ui/dialog_fields.h"

cdinitimg::cdinitimg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("New Picture");
    xField_ = makeDigitsEdit(this);
    yField_ = makeDigitsEdit(this);
    bend_ = new QCheckBox("Bend", this);
    bend_->setVisible(false);
    xField_->setObjectName("edit1000");
    yField_->setObjectName("edit1001");
    bend_->setObjectName("check1002");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("X : ", this), 0, 0);
    grid->addWidget(xField_, 0, 1);
    grid->addWidget(new QLabel("Y :", this), 1, 0);
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
    const NewPictureParams& p = newPictureParams();
    bend_->setChecked(false);
    xField_->setText(QString::number(p.pictureWidth));
    yField_->setText(QString::number(p.pictureHeight));
    if (paintSettings().connectable) bend_->setChecked(true);
}

void cdinitimg::accept() {
    NewPictureParams& p = newPictureParams();
    p.pictureWidth = readNumber(xField_, kByteFieldChars);
    p.pictureHeight = readNumber(yField_, kByteFieldChars);
    paintSettings().connectable = bend_->isChecked() ? 1 : 0;
    endedWithOk_ = true;
    QDialog::accept();
}

void cdinitimg::reject() {
    endedWithOk_ = false;
    QDialog::reject();
}
