#pragma once
#include <QDialog>

#include "generators/circle_generator.h"

class QLineEdit;

// The parameters of "Circle ... / V1 ...": radius range and number of discs.
class ccdcirclev1 : public QDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog.
    explicit ccdcirclev1(CircleParams& params, QWidget* parent = nullptr);

    // Shows the fields and runs modally; on OK the edits are stored. True for OK.
    bool run();

    void accept() override;

private:
    CircleParams& params_;
    QLineEdit* rayMin_;
    QLineEdit* rayMax_;
    QLineEdit* count_;
};

// The run's single dialog instance, made on first use and owned by `owner`.
ccdcirclev1& circleDialog(QWidget* owner);
