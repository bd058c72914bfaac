#pragma once
#include <QDialog>

#include "generators/vector_generator.h"

class QCheckBox;
class QLineEdit;

// The parameters of "Vector / V1": length and weight ranges, the number of
// strokes, and fill or outline.
class cdvector : public QDialog {
    Q_OBJECT
public:
    explicit cdvector(VectorParams& params, QWidget* parent = nullptr);

    // Shows the fields and runs modally; on OK the controls are stored. True for OK.
    bool run();

    void accept() override;

private:
    VectorParams& params_;
    QLineEdit* lengthMin_;
    QLineEdit* lengthMax_;
    QLineEdit* weightMin_;
    QLineEdit* weightMax_;
    QLineEdit* count_;
    QCheckBox* fill_;
};

// The run's single dialog instance, made on first use and owned by `owner`.
cdvector& vectorDialog(QWidget* owner);
