#pragma once

class QBoxLayout;
class QDialog;
class QLineEdit;
class QWidget;

// Building blocks shared by the parameter dialogs. Controls are named after their
// control number ("edit1003", "check1023", "ok", "cancel") so that code outside the
// dialog, tests included, can find them.

QLineEdit* makeNumberEdit(int controlId, bool digitsOnly, QWidget* parent);
// A digits-only edit without a control name (the shell's own dialogs name theirs).
QLineEdit* makeDigitsEdit(QWidget* parent);
// Puts the cursor in the dialog's first field with its text selected, so that
// typing replaces the value shown.
void focusFirstField(QLineEdit* edit);

// "OK" (the default button, accepts) then "Cancel" (rejects), right-aligned.
QBoxLayout* makeOkCancelRow(QDialog* dialog);
// The same two buttons in the platform's order, in a button box.
QWidget* makeOkCancelBox(QDialog* dialog);
