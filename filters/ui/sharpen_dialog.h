#pragma once
#include "filters/sharpen_filter.h"
#include "params/parameter_blocks.h"
#include "ui/declared_dialog.h"

// "Sharpen": the strength of "Sharpen ..." in percent. OK takes the typed strength
// and closes only when it lies in 0..100; otherwise the dialog stays open without a
// word and the stored strength is left as it was, so Cancel after a refused value
// keeps the last good one.
class cdsharpen : public DeclaredDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog; run() shows it and runs modally.
    explicit cdsharpen(SharpenParams& params, QWidget* parent = nullptr);
};

// The run's single instance, editing sharpenParams(); made on first use, owned by `owner`.
cdsharpen& sharpenDialog(QWidget* owner);
