#include "generators/ui/rectangle_dialog.h"

#include "params/parameter_blocks.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "ui/dialog_fields.h"

ccdrectv1::ccdrectv1(RectangleParams& params, QWidget* parent)
    : QDialog(parent),
      params_(params),
      xMin_(makeNumberEdit(1005, true, this)),
      yMin_(makeNumberEdit(1006, true, this)),
      xMax_(makeNumberEdit(1007, true, this)),
      yMax_(makeNumberEdit(1008, true, this)),
      count_(makeNumberEdit(1009, true, this)) {
    setWindowTitle(QStringLiteral("Dialog"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("XMin :"), xMin_);
    form->addRow(QStringLiteral("YMin :"), yMin_);
    form->addRow(QStringLiteral("XMax : "), xMax_);
    form->addRow(QStringLiteral("YMax : "), yMax_);
    form->addRow(QStringLiteral("Count : "), count_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addLayout(makeOkCancelRow(this));
}

bool ccdrectv1::run() {
    showNumber(xMin_, params_.xMin);
    showNumber(yMin_, params_.yMin);
    showNumber(xMax_, params_.xMax);
    showNumber(yMax_, params_.yMax);
    showNumber(count_, params_.rectangleCount);
    focusFirstField(xMin_);
    return exec() == QDialog::Accepted;
}

void ccdrectv1::accept() {
    params_.xMin = readNumber(xMin_, kNumberFieldChars);
    params_.yMin = readNumber(yMin_, kNumberFieldChars);
    params_.xMax = readNumber(xMax_, kNumberFieldChars);
    params_.yMax = readNumber(yMax_, kNumberFieldChars);
    params_.rectangleCount = readNumber(count_, kNumberFieldChars);
    QDialog::accept();
}

ccdrectv1& rectangleDialog(QWidget* owner) {
    static QPointer<ccdrectv1> instance;
    if (!instance) instance = new ccdrectv1(rectangleParams(), owner);
    return *instance;
}
