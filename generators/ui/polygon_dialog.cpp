#include "generators/ui/polygon_dialog.h"

#include "params/parameter_blocks.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "ui/dialog_fields.h"

CTPoly::CTPoly(PolygonParams& params, QWidget* parent)
    : QDialog(parent),
      params_(params),
      rayMin_(makeNumberEdit(1017, true, this)),
      rayMax_(makeNumberEdit(1018, true, this)),
      angMin_(makeNumberEdit(1015, true, this)),
      angMax_(makeNumberEdit(1016, true, this)),
      count_(makeNumberEdit(1019, true, this)),
      fill_(makeCheckBox(1023, QStringLiteral("Fill"), this)) {
    setWindowTitle(QStringLiteral("Polygone"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("RayMin : "), rayMin_);
    form->addRow(QStringLiteral("RayMax : "), rayMax_);
    form->addRow(QStringLiteral("AngMin :"), angMin_);
    form->addRow(QStringLiteral("AngMax :"), angMax_);
    form->addRow(QStringLiteral("Count"), count_);
    form->addRow(QString(), fill_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addLayout(makeOkCancelRow(this));
}

bool CTPoly::run() {
    showNumber(rayMin_, params_.rayMin);
    showNumber(rayMax_, params_.rayMax);
    showNumber(angMin_, params_.angMin);
    showNumber(angMax_, params_.angMax);
    showNumber(count_, params_.polygonCount);
    fill_->setChecked(params_.polygonFill == 1);
    focusFirstField(rayMin_);
    return exec() == QDialog::Accepted;
}

void CTPoly::accept() {
    params_.rayMin = readNumber(rayMin_, kNumberFieldChars);
    params_.rayMax = readNumber(rayMax_, kNumberFieldChars);
    params_.angMin = readNumber(angMin_, kNumberFieldChars);
    params_.angMax = readNumber(angMax_, kNumberFieldChars);
    params_.polygonCount = readNumber(count_, kNumberFieldChars);
    params_.polygonFill = fill_->isChecked() ? 1 : 0;
    QDialog::accept();
}

CTPoly& polygonDialog(QWidget* owner) {
    static QPointer<CTPoly> instance;
    if (!instance) instance = new CTPoly(polygonParams(), owner);
    return *instance;
}
