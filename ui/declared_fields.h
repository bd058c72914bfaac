#pragma once
#include <functional>
#include <vector>

#include "params/field_declaration.h"

class FileListWidget;
class QCheckBox;
class QFormLayout;
class QGridLayout;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

// A dialog's controls made from parameter declarations (params/field_declaration.h):
// each control named after its control number, with the field's tooltip and the
// behaviour of its kind, and the values moved between the controls and a record.
// The dialog only arranges the controls.
class DeclaredFields {
public:
    // Makes the color swatch, which lives above this layer: a button with a "color"
    // property (0x00BBGGRR).
    using ColorMaker = std::function<QWidget*(QWidget* parent)>;

    // The user data of an InsertCombo's entries.
    static constexpr int kFileEntry = 1;
    static constexpr int kBrowseEntry = 2;

    explicit DeclaredFields(QWidget* dialog, ColorMaker color = {});

    // Makes the control of every shown field of `block` not made yet, in the
    // declaration's order.
    void addAll(const BlockDeclaration& block);
    // Makes the control of one field, laid out with the sections of `layoutBlock`
    // where that is another block's.
    QWidget* add(const BlockDeclaration& block, const char* name, const BlockDeclaration* layoutBlock = nullptr);

    // The control made for the field of that name (the first one, across blocks).
    QWidget* control(const char* name) const;
    QLineEdit* edit(const char* name) const;
    QCheckBox* check(const char* name) const;
    FileListWidget* fileList(const char* name) const;
    // The "no color" box and the label of a color field.
    QCheckBox* noneBox(const char* name) const;
    QLabel* colorLabel(const char* name) const;

    // A new label with the field's text.
    QLabel* label(const char* name) const;

    // The title of a section of the block.
    static QString title(const BlockDeclaration& block, int section);

    // Rows of the fields of `section` of `block` made so far: the label and the
    // control (a check box takes the whole row under an empty label). Lists, colors
    // and combos are placed by the dialog.
    QFormLayout* form(const BlockDeclaration& block, int section) const;
    // The fields of `section` of `block` made so far at their grid places, with
    // their labels; the dialog may add what is its own.
    QGridLayout* grid(const BlockDeclaration& block, int section) const;
    // The section as its fields say: a grid where they have places, else a form.
    QLayout* section(const BlockDeclaration& block, int section) const;
    // That section inside a group box titled after it.
    QGroupBox* group(const BlockDeclaration& block, int section) const;

    // Shows the record's values in the block's controls.
    void show(const BlockDeclaration& block, const void* record) const;
    // Reads the block's controls into the record. A percentage outside 0..100 stores
    // nothing at all and gives false.
    bool store(const BlockDeclaration& block, void* record) const;

private:
    struct Made {
        const BlockDeclaration* block;
        const BlockDeclaration* layoutBlock;
        const FieldDeclaration* field;
        QWidget* control;
        QCheckBox* none = nullptr;
        QLabel* label = nullptr;
    };
    const Made* find(const char* name) const;
    bool laidOutIn(const Made& made, const BlockDeclaration& block, int section) const;
    void showColor(const Made& made, uint32_t value) const;

    QWidget* dialog_;
    ColorMaker color_;
    std::vector<Made> made_;
};
