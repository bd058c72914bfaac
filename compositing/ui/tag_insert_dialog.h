#pragma once
#include <QDialog>
#include <QStringList>

#include <functional>

#include "ui/declared_fields.h"
#include "ui/file_chooser.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Insertion Tag in preview": the modeless dialog where the tag to insert by hand is
// chosen (a history of files, a path, a rotation and a mix percentage). It edits
// TagInsertParams and says through its signals when the tag should be loaded again
// or the configuration edited; the preview that shows it connects to them. Made on
// the first "Insert Tag ...", it lives until the program ends; Escape and the close
// box only hide it, and Enter does nothing.
class cmodlesstaginsert : public QDialog {
    Q_OBJECT
public:
    explicit cmodlesstaginsert(QWidget* parent = nullptr);

    // Shows TagInsertParams in the controls; the combo is rebuilt from the history.
    void fillInsertDialog();
    // Reads the controls into TagInsertParams.
    void readInsertDialog();

    // Keeps the dialog's window in the window family of `owner` without moving it: a
    // modeless dialog of the running modal preview must belong to the preview to
    // receive input; between previews it belongs to the main window.
    void moveUnder(QWidget* owner);

    QComboBox* history() const { return history_; }
    QPushButton* removeButton() const { return remove_; }
    QLineEdit* pathEdit() const { return path_; }
    QPushButton* browseButton() const { return browse_; }
    QLineEdit* angleEdit() const { return fields_.edit("insertAngle"); }
    QCheckBox* antiAliasBox() const { return fields_.check("insertAntiAlias"); }
    QLineEdit* mixEdit() const { return fields_.edit("insertLevel"); }
    QPushButton* configurationButton() const { return configuration_; }
    QPushButton* updateButton() const { return update_; }

signals:
    // "Update ..." or a history entry: the fields were read into TagInsertParams and
    // the tag should be loaded again.
    void updateRequested();
    // "Configuration ...".
    void configurationRequested();

private:
    // Adds a path entry unless an entry already begins with it (any letter case);
    // the list stays sorted.
    void addPathEntry(const QString& path);
    void chooseEntry(int index);
    void removeSelected();
    void browseOne();
    void update();

    DeclaredFields fields_;
    QComboBox* history_;
    QPushButton* remove_;
    QLineEdit* path_;
    QPushButton* browse_;
    QLabel* level_ = nullptr;
    QPushButton* configuration_;
    QPushButton* update_;
};

// The dialog of the run, made under `owner` the first time and found among the
// application's windows afterwards; null before that (or after its owner went away).
cmodlesstaginsert* existingTagInsertDialog();
cmodlesstaginsert& tagInsertDialog(QWidget* owner);
