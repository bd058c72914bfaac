#pragma once
#include "generators/circle_generator.h"
#include "ui/declared_dialog.h"

// The parameters of "Circle ... / V1 ...": radius range and number of discs.
class ccdcirclev1 : public DeclaredDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog. run() shows the fields and runs
    // modally; OK stores them (true for OK).
    explicit ccdcirclev1(CircleParams& params, QWidget* parent = nullptr);
};

// The run's single dialog instance, made on first use and owned by `owner`.
ccdcirclev1& circleDialog(QWidget* owner);
