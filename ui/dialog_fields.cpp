#include "ui/dialog_fields.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

QLineEdit* makeDigitsEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    // Typing accepts digits only; values set by the program (a negative count
    // from elsewhere) are still shown as they are.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QLineEdit* makeNumberEdit(int controlId, bool digitsOnly, QWidget* parent) {
    QLineEdit* edit = digitsOnly ? makeDigitsEdit(parent) : new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("edit%1").arg(controlId));
    return edit;
}

void focusFirstField(QLineEdit* edit) {
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
}

QWidget* makeOkCancelBox(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QBoxLayout* makeOkCancelRow(QDialog* dialog) {
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("cancel"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}
