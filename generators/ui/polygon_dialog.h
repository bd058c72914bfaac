#pragma once
#include <QDialog>

#include "generators/polygon_generator.h"

class QCheckBox;
class QLineEdit;

// The parameters of "Polygone / V1": vertex distance and angle-step ranges, the
// number of polygons, and fill or outline.
class CTPoly : public QDialog {
    Q_OBJECT
public:
    explicit CTPoly(PolygonParams& params, QWidget* parent = nullptr);

    // Shows the fields and runs modally; on OK the controls are stored. True for OK.
    bool run();

    void accept() override;

private:
    PolygonParams& params_;
    QLineEdit* rayMin_;
    QLineEdit* rayMax_;
    QLineEdit* angMin_;
    QLineEdit* angMax_;
    QLineEdit* count_;
    QCheckBox* fill_;
};

// The run's single dialog instance, made on first use and owned by `owner`.
CTPoly& polygonDialog(QWidget* owner);
