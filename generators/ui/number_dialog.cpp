#include "generators/ui/number_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/c_integer.h"
#include "ui/dialog_fields.h"

cdsaisit::cdsaisit(QWidget* parent) : QDialog(parent), edit_(makeNumberEdit(1003, true, this)) {
    setWindowTitle(QStringLiteral("Dialog"));
    edit_->setText(QStringLiteral("0"));
    edit_->setToolTip(QStringLiteral("A whole number, typed in decimal digits"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Number : "), edit_);
    auto* top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addLayout(makeOkCancelRow(this));
    focusFirstField(edit_);
}

void cdsaisit::accept() {
    text_ = edit_->text().left(kMaxChars);
    QDialog::accept();
}

NumberAnswer askNumber(QWidget* parent) {
    cdsaisit dialog(parent);
    NumberAnswer answer;
    answer.ok = dialog.exec() == QDialog::Accepted;
    if (answer.ok) answer.number = parseCInteger(dialog.text().toStdString());
    return answer;
}
