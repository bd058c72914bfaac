#pragma once
#include <QDialog>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Insertion Tag in preview": the modeless dialog where the tag to insert by hand is
// chosen (a history of files, a path, a rotation and a mix percentage). It edits
// TagInsertParams and hands its choices to the preview that opened last. Made on
// the first "Insert Tag ...", it lives until the program ends; Escape and the close
// box only hide it, and Enter does nothing.
class cmodlesstaginsert : public QDialog {
    Q_OBJECT
public:
    // Combo entries carry a marker in their user data.
    static constexpr int kBrowseMarker = 2;
    static constexpr int kPathMarker = 1;

    explicit cmodlesstaginsert(QWidget* parent = nullptr);

    // Shows TagInsertParams in the controls; the combo is rebuilt from the history.
    void fillInsertDialog();
    // Reads the controls into TagInsertParams.
    void readInsertDialog();

    // How files are asked for: one existing file, or several. Default: Qt's dialogs
    // with the picture-file filter.
    using FileChooser = std::function<QStringList(QWidget* parent, bool several)>;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    // Keeps the dialog's window in the window family of `owner` without moving it: a
    // modeless dialog of the running modal preview must belong to the preview to
    // receive input; between previews it belongs to the main window.
    void moveUnder(QWidget* owner);

    QComboBox* history() const { return history_; }
    QPushButton* removeButton() const { return remove_; }
    QLineEdit* pathEdit() const { return path_; }
    QPushButton* browseButton() const { return browse_; }
    QLineEdit* angleEdit() const { return angle_; }
    QCheckBox* antiAliasBox() const { return antiAlias_; }
    QLineEdit* mixEdit() const { return mix_; }
    QPushButton* configurationButton() const { return configuration_; }
    QPushButton* updateButton() const { return update_; }

private:
    // Adds a path entry unless an entry already begins with it (any letter case);
    // the list stays sorted.
    void addPathEntry(const QString& path);
    void chooseEntry(int index);
    void removeSelected();
    void browseOne();
    void update();
    void configure();

    QComboBox* history_;
    QPushButton* remove_;
    QLineEdit* path_;
    QPushButton* browse_;
    QLineEdit* angle_;
    QCheckBox* antiAlias_;
    QLineEdit* mix_;
    QPushButton* configuration_;
    QPushButton* update_;
    FileChooser chooser_;
};

// The dialog of the run, made under `owner` the first time; null before that (or
// after its owner went away).
cmodlesstaginsert* existingTagInsertDialog();
cmodlesstaginsert& tagInsertDialog(QWidget* owner);
