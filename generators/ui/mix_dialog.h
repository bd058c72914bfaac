#pragma once
#include "core/paint_settings.h"
#include "ui/declared_dialog.h"

// "Mixage ...": edits the percentage range that new shapes take their blend
// level from, straight in the paint settings; each field keeps the low 8 bits of
// the number typed (no range check).
class cdpercentmix : public DeclaredDialog {
    Q_OBJECT
public:
    // Edits `settings`, which outlives the dialog. run() shows the fields and runs
    // modally; OK stores them (true for OK).
    explicit cdpercentmix(PaintSettings& settings, QWidget* parent = nullptr);
};

// The run's single instance, editing paintSettings(); owned by `owner`.
cdpercentmix& mixDialog(QWidget* owner);
