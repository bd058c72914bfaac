#include "generators/ui/vector_dialog.h"

#include "params/parameter_blocks.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "ui/dialog_fields.h"

namespace {
QGroupBox* rangeGroup(const QString& title, QLineEdit* min, QLineEdit* max, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Min :"), min);
    form->addRow(QStringLiteral("Max : "), max);
    return group;
}
}  // namespace

cdvector::cdvector(VectorParams& params, QWidget* parent)
    : QDialog(parent),
      params_(params),
      lengthMin_(makeNumberEdit(1020, true, this)),
      lengthMax_(makeNumberEdit(1021, true, this)),
      weightMin_(makeNumberEdit(1023, true, this)),
      weightMax_(makeNumberEdit(1024, true, this)),
      count_(makeNumberEdit(1022, true, this)),
      fill_(makeCheckBox(1025, QStringLiteral("Fill"), this)) {
    setWindowTitle(QStringLiteral("Vector"));
    auto* top = new QVBoxLayout(this);
    top->addWidget(rangeGroup(QStringLiteral("Length"), lengthMin_, lengthMax_, this));
    top->addWidget(rangeGroup(QStringLiteral("Weight"), weightMin_, weightMax_, this));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Count :"), count_);
    form->addRow(QString(), fill_);
    top->addLayout(form);
    top->addLayout(makeOkCancelRow(this));
}

bool cdvector::run() {
    showNumber(lengthMin_, params_.lengthMin);
    showNumber(lengthMax_, params_.lengthMax);
    showNumber(weightMin_, params_.weightMin);
    showNumber(weightMax_, params_.weightMax);
    showNumber(count_, params_.vectorCount);
    fill_->setChecked(params_.vectorFill == 1);
    focusFirstField(lengthMin_);
    return exec() == QDialog::Accepted;
}

void cdvector::accept() {
    params_.lengthMin = readNumber(lengthMin_, kNumberFieldChars);
    params_.lengthMax = readNumber(lengthMax_, kNumberFieldChars);
    params_.weightMin = readNumber(weightMin_, kNumberFieldChars);
    params_.weightMax = readNumber(weightMax_, kNumberFieldChars);
    params_.vectorCount = readNumber(count_, kNumberFieldChars);
    params_.vectorFill = fill_->isChecked() ? 1 : 0;
    QDialog::accept();
}

cdvector& vectorDialog(QWidget* owner) {
    static QPointer<cdvector> instance;
    if (!instance) instance = new cdvector(vectorParams(), owner);
    return *instance;
}
