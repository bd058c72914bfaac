#include "generators/ui/mix_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "core/c_integer.h"
#include "ui/dialog_fields.h"

cdpercentmix::cdpercentmix(PaintSettings& settings, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      from_(makeNumberEdit(1034, true, this)),
      to_(makeNumberEdit(1033, true, this)) {
    setWindowTitle(QStringLiteral("Mix"));
    auto* group = new QGroupBox(QStringLiteral("%"), this);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("From : "), from_);
    form->addRow(QStringLiteral("To : "), to_);
    auto* top = new QVBoxLayout(this);
    top->addWidget(group);
    top->addLayout(makeOkCancelRow(this));
}

bool cdpercentmix::run() {
    showNumber(from_, settings_.mixFromPercent);
    showNumber(to_, settings_.mixToPercent);
    focusFirstField(from_);
    return exec() == QDialog::Accepted;
}

void cdpercentmix::accept() {
    settings_.mixFromPercent = lowByte(readNumber(from_, kByteFieldChars));
    settings_.mixToPercent = lowByte(readNumber(to_, kByteFieldChars));
    QDialog::accept();
}

cdpercentmix& mixDialog(QWidget* owner) {
    static QPointer<cdpercentmix> instance;
    if (!instance) instance = new cdpercentmix(paintSettings(), owner);
    return *instance;
}
