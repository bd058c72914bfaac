#include "app/digit_field.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

QLineEdit* makeDigitField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
    return field;
}

std::string fieldText(const QLineEdit* field) { return field->text().left(31).toStdString(); }
