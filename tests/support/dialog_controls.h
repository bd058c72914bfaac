#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <ostream>

// Finding and working the controls of a parameter dialog by their object names
// ("edit<id>", "check<id>", "ok", "cancel"); a missing control fails the test.

QLineEdit* editOf(QDialog& dialog, int id);
QString textOf(QDialog& dialog, int id);
void setText(QDialog& dialog, int id, const QString& text);
QCheckBox* checkOf(QDialog& dialog, int id);
void press(QDialog& dialog, const char* button);

// The label texts of every form row in the dialog, top to bottom as laid out.
QStringList formLabels(QDialog& dialog);

// Readable failures for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
