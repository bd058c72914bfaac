#include "generators/ui/circle_dialog.h"

#include "params/parameter_blocks.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "ui/dialog_fields.h"

ccdcirclev1::ccdcirclev1(CircleParams& params, QWidget* parent)
    : QDialog(parent),
      params_(params),
      rayMin_(makeNumberEdit(1003, true, this)),
      rayMax_(makeNumberEdit(1004, true, this)),
      count_(makeNumberEdit(1010, false, this)) {
    setWindowTitle(QStringLiteral("Dialog"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Raymin"), rayMin_);
    form->addRow(QStringLiteral("Raymax"), rayMax_);
    form->addRow(QStringLiteral("Count:  "), count_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addLayout(makeOkCancelRow(this));
}

bool ccdcirclev1::run() {
    showNumber(rayMin_, params_.rayMin);
    showNumber(rayMax_, params_.rayMax);
    showNumber(count_, params_.circleCount);
    focusFirstField(rayMin_);
    return exec() == QDialog::Accepted;
}

void ccdcirclev1::accept() {
    params_.rayMin = readNumber(rayMin_, kNumberFieldChars);
    params_.rayMax = readNumber(rayMax_, kNumberFieldChars);
    params_.circleCount = readNumber(count_, kNumberFieldChars);
    QDialog::accept();
}

ccdcirclev1& circleDialog(QWidget* owner) {
    static QPointer<ccdcirclev1> instance;
    if (!instance) instance = new ccdcirclev1(circleParams(), owner);
    return *instance;
}
