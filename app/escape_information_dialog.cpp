#include "app/escape_information_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

cdechap::cdechap(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Information !");
    auto* text = new QLabel("You can stopped the working picture with 'echap' key pressed", this);
    box_ = new QCheckBox("Don't show this information !", this);
    box_->setToolTip("Checked: this information is not shown again before a drawing");
    box_->setObjectName("check1014");
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(box_);
    layout->addWidget(buttons);
}

void cdechap::accept() {
    dontShow_ = box_->isChecked();
    QDialog::accept();
}
