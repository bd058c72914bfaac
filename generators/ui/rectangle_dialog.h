#pragma once
#include "generators/rectangle_generator.h"
#include "ui/declared_dialog.h"

// The parameters of "Rectangle / V1": size ranges and number of rectangles.
class ccdrectv1 : public DeclaredDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog. run() shows the fields and runs
    // modally; OK stores them (true for OK).
    explicit ccdrectv1(RectangleParams& params, QWidget* parent = nullptr);
};

// The run's single dialog instance, made on first use and owned by `owner`.
ccdrectv1& rectangleDialog(QWidget* owner);
