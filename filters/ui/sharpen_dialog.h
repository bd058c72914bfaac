#pragma once
#include <QDialog>

#include "params/parameter_blocks.h"

class QLineEdit;

// "Sharpen": the strength of "Sharpen ..." in percent.
class cdsharpen : public QDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog.
    explicit cdsharpen(SharpenParams& params, QWidget* parent = nullptr);

    // Shows the strength and runs modally. True for OK.
    bool run();

    // Takes the typed strength and closes only when it lies in 0..100; otherwise the
    // dialog stays open without a word and the stored strength is left as it was, so
    // Cancel after a refused value keeps the last good one.
    void accept() override;

private:
    SharpenParams& params_;
    QLineEdit* percent_;
};

// The run's single instance, editing sharpenParams(); made on first use, owned by `owner`.
cdsharpen& sharpenDialog(QWidget* owner);
