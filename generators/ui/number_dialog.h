#pragma once
#include <QDialog>
#include <QString>
#include <cstdint>

class QLineEdit;

// A one-line text dialog. Its only mode in use is the numeric one: the field takes
// digits only and starts at "0".
class cdsaisit : public QDialog {
    Q_OBJECT
public:
    explicit cdsaisit(QWidget* parent = nullptr);

    // The text kept on OK, at most kMaxChars characters.
    const QString& text() const { return text_; }
    bool numeric() const { return numeric_; }

    void accept() override;

    static constexpr int kMaxChars = 254;

private:
    QLineEdit* edit_;
    QString text_;
    bool numeric_ = true;
};

struct NumberAnswer {
    bool ok = false;
    // The text converted as a C decimal integer; of no use when !ok.
    int32_t number = 0;
};

// Asks for a number in a fresh cdsaisit.
NumberAnswer askNumber(QWidget* parent);
