#pragma once
#include <QDialog>

#include "generators/rectangle_generator.h"

class QLineEdit;

// The parameters of "Rectangle ... / V1 ...": size ranges and number of rectangles.
class ccdrectv1 : public QDialog {
    Q_OBJECT
public:
    explicit ccdrectv1(RectangleParams& params, QWidget* parent = nullptr);

    // Shows the fields and runs modally; on OK the edits are stored. True for OK.
    bool run();

    void accept() override;

private:
    RectangleParams& params_;
    QLineEdit* xMin_;
    QLineEdit* yMin_;
    QLineEdit* xMax_;
    QLineEdit* yMax_;
    QLineEdit* count_;
};

// The run's single dialog instance, made on first use and owned by `owner`.
ccdrectv1& rectangleDialog(QWidget* owner);
