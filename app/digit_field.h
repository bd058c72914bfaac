#pragma once
#include <string>

class QLineEdit;
class QWidget;

// An edit that takes digits only, like the number fields of every dialog.
QLineEdit* makeDigitField(QWidget* parent);

// The field's text as the dialogs read it: at most 31 characters.
std::string fieldText(const QLineEdit* field);
