#pragma once
#include "generators/vector_generator.h"
#include "ui/declared_dialog.h"

// The parameters of "Vector / V1": length and weight ranges, the number of
// strokes, and fill or outline.
class cdvector : public DeclaredDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog. run() shows the fields and runs
    // modally; OK stores them (true for OK).
    explicit cdvector(VectorParams& params, QWidget* parent = nullptr);
};

// The run's single dialog instance, made on first use and owned by `owner`.
cdvector& vectorDialog(QWidget* owner);
