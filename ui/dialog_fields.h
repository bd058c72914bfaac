#pragma once
#include <cstdint>

class QBoxLayout;
class QCheckBox;
class QDialog;
class QLineEdit;
class QString;
class QWidget;

// Building blocks shared by the parameter dialogs. Controls are named after their
// control number ("edit1003", "check1023", "ok", "cancel") so that code outside the
// dialog, tests included, can find them.

// Longest text a dialog reads back from a number field, as its fixed buffers allow.
inline constexpr int kNumberFieldChars = 63;
inline constexpr int kByteFieldChars = 31;  // also the size fields of "New Picture"

QLineEdit* makeNumberEdit(int controlId, bool digitsOnly, QWidget* parent);
// A digits-only edit without a control name (the shell's own dialogs name theirs).
QLineEdit* makeDigitsEdit(QWidget* parent);
QCheckBox* makeCheckBox(int controlId, const QString& text, QWidget* parent);

void showNumber(QLineEdit* edit, int32_t value);
// Puts the cursor in the dialog's first field with its text selected, so that
// typing replaces the value shown.
void focusFirstField(QLineEdit* edit);
// The edit's first `maxChars` characters converted as a C decimal integer.
int32_t readNumber(const QLineEdit* edit, int maxChars);

// "OK" (the default button, accepts) then "Cancel" (rejects), right-aligned.
QBoxLayout* makeOkCancelRow(QDialog* dialog);
// The same two buttons in the platform's order, in a button box.
QWidget* makeOkCancelBox(QDialog* dialog);
