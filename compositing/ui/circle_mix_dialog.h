#pragma once
#include "compositing/circle_mix_params.h"
#include "ui/declared_dialog.h"

class FileListWidget;

// The parameters of "Circle Mix" / "V1": mix and radius ranges, the number of discs,
// rotation and plugging, the source files and the opaque radius percentages.
//
// OK: the file list is stored at once (an empty list keeps the dialog open), then
// every field; opaque percentages outside 0..100, or a minimum above the maximum,
// are both set to 0 with a message (kOpaqueRangeMessage, kOpaqueOrderMessage) and
// the dialog stays open.
class cdmixcircle : public DeclaredDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog. run() shows the block and runs
    // modally (true for OK); fill() shows the block in the controls.
    explicit cdmixcircle(CircleMixParams& params, QWidget* parent = nullptr);

    FileListWidget* files() const;
};

// The run's single dialog instance, made on first use and owned by `owner`.
cdmixcircle& circleMixDialog(QWidget* owner);
