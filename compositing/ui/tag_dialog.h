#pragma once
#include "compositing/tag_params.h"
#include "ui/declared_dialog.h"

class FileListWidget;
class QLabel;

// The parameters of "Tag" / "V1 ...": the files to stamp, the number of stamps and
// whether each is rotated. OK stores the file list at once; with an empty list
// nothing else happens and the dialog stays open; otherwise the count and the check
// box are stored too.
class cdtagpng : public DeclaredDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog. run() shows the block and runs
    // modally (true for OK); fill() shows the block in the controls.
    explicit cdtagpng(TagParams& params, QWidget* parent = nullptr);

    FileListWidget* files() const;
};

// The run's single dialog instance, made on first use and owned by `owner`.
cdtagpng& tagDialog(QWidget* owner);
