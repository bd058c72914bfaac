#pragma once
#include <QDialog>

#include "compositing/tag_params.h"

class FileListWidget;
class QCheckBox;
class QLabel;
class QLineEdit;

// The parameters of "Tag" / "V1 ...": the files to stamp, the number of stamps and
// whether each is turned.
class cdtagpng : public QDialog {
    Q_OBJECT
public:
    // Edits `params`, which outlives the dialog.
    explicit cdtagpng(TagParams& params, QWidget* parent = nullptr);

    // Shows the block and runs modally. True for OK.
    bool run();
    // Shows the block in the controls (what run() does before it shows the dialog).
    void fill();

    // OK: the file list is stored at once; with an empty list nothing else happens and
    // the dialog stays open; otherwise the count and the check box are stored too.
    void accept() override;

    FileListWidget* files() const { return files_; }

private:
    TagParams& params_;
    QLabel* hint_;
    FileListWidget* files_;
    QLineEdit* count_;
    QCheckBox* rotation_;
};

// The run's single dialog instance, made on first use and owned by `owner`.
cdtagpng& tagDialog(QWidget* owner);
