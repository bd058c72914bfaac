#pragma once
#include <QDialog>

class QPlainTextEdit;

// "About Box": the build title in a read-only text field, and OK.
class cfaboutbox : public QDialog {
    Q_OBJECT
public:
    explicit cfaboutbox(QWidget* parent = nullptr);
    QPlainTextEdit* textField() const { return text_; }

private:
    QPlainTextEdit* text_;
};

// "About vospren": the icon, "vospren, Version 0.4" and OK.
class AboutVospren : public QDialog {
    Q_OBJECT
public:
    explicit AboutVospren(QWidget* parent = nullptr);
};
