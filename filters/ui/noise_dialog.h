#pragma once
#include "filters/noise_filter.h"
#include "params/parameter_blocks.h"
#include "ui/declared_dialog.h"

// "Filter Noise": the amplitude, the monochrome switch and the seed of "Noise ...".
// OK stores the seed, the low 8 bits of the percentage and the check box.
class cdfilternoise : public DeclaredDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog; run() shows it and runs modally.
    explicit cdfilternoise(NoiseParams& params, QWidget* parent = nullptr);
};

// The run's single instance, editing noiseParams(); made on first use, owned by `owner`.
cdfilternoise& noiseDialog(QWidget* owner);
