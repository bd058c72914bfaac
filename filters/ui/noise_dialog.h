#pragma once
#include <QDialog>

#include "params/parameter_blocks.h"

class QCheckBox;
class QLineEdit;

// "Filter Noise": the amplitude, the monochrome switch and the seed of "Noise ...".
class cdfilternoise : public QDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog.
    explicit cdfilternoise(NoiseParams& params, QWidget* parent = nullptr);

    // Shows the fields and runs modally. True for OK.
    bool run();

    // Stores the seed, the low 8 bits of the percentage and the check box, then closes.
    void accept() override;

private:
    void showParams();

    NoiseParams& params_;
    QCheckBox* monochrome_;
    QLineEdit* percent_;
    QLineEdit* seed_;
};

// The run's single instance, editing noiseParams(); made on first use, owned by `owner`.
cdfilternoise& noiseDialog(QWidget* owner);
