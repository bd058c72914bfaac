#pragma once
#include <QDialog>

#include "core/paint_settings.h"

class QLineEdit;

// "Mixage ...": edits the percentage range that new shapes take their blend
// level from, straight in the paint settings.
class cdpercentmix : public QDialog {
    Q_OBJECT
public:
    explicit cdpercentmix(PaintSettings& settings, QWidget* parent = nullptr);

    // Shows the range and runs modally; on OK each field keeps the low 8 bits of
    // the number typed (no range check). True for OK.
    bool run();

    void accept() override;

private:
    PaintSettings& settings_;
    QLineEdit* from_;
    QLineEdit* to_;
};

// The run's single instance, editing paintSettings(); owned by `owner`.
cdpercentmix& mixDialog(QWidget* owner);
