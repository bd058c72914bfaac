#include "ui/declared_fields.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "compositing/file_list_rule.h"
#include "params/declarations.h"
#include "ui/file_list_widget.h"

namespace {

struct Sample {
    int32_t count = 7;
    uint8_t level = 9;
    int32_t strength = 50;
    uint8_t flag = 2;  // set elsewhere to a value a box cannot show exactly
    std::vector<std::string> files;
};

const BlockDeclaration& sampleDeclaration() {
    using K = FieldKind;
    static const BlockDeclaration d{
        "sample",
        {
            {.name = "count",
             .kind = K::Number,
             .access = fieldOf<Sample, &Sample::count>(),
             .controlId = 1,
             .label = "Count",
             .tooltip = "count",
             .digitsOnly = false},
            {.name = "level",
             .kind = K::Byte,
             .access = fieldOf<Sample, &Sample::level>(),
             .controlId = 2,
             .label = "Level",
             .tooltip = "level",
             .readChars = 3},
            {.name = "strength",
             .kind = K::Percentage,
             .access = fieldOf<Sample, &Sample::strength>(),
             .controlId = 3,
             .label = "Strength",
             .tooltip = "strength",
             .section = 1,
             .digitsOnly = false},
            {.name = "flag",
             .kind = K::Flag,
             .access = fieldOf<Sample, &Sample::flag>(),
             .controlId = 4,
             .label = "Flag",
             .tooltip = "flag",
             .checkedOnlyAtOne = true},
            {.name = "files",
             .kind = K::FileList,
             .access = fieldOf<Sample, &Sample::files>(),
             .controlName = "files",
             .tooltip = "files",
             .addToList = addToFileList,
             .listOrder = fileListOrder},
        },
    };
    return d;
}

// The controls carry their names and tooltips, the forms their sections' rows, and
// values go through the text fields as the dialogs read them: a C decimal reading of
// the first characters, a byte's low 8 bits, a percentage refused outside 0..100.
TEST(DeclaredFields, ControlsFormsAndValues) {
    QDialog dialog;
    DeclaredFields fields(&dialog);
    fields.addAll(sampleDeclaration());
    for (const char* name : {"edit1", "edit2", "edit3", "check4", "files"}) {
        QWidget* control = dialog.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->toolTip().isEmpty()) << name;
    }
    QFormLayout* first = fields.form(sampleDeclaration(), 0);
    ASSERT_EQ(first->rowCount(), 3) << "count, level and the flag; the list is placed by the dialog";
    EXPECT_EQ(static_cast<QLabel*>(first->itemAt(0, QFormLayout::LabelRole)->widget())->toolTip(), "count");
    QFormLayout* second = fields.form(sampleDeclaration(), 1);
    EXPECT_EQ(second->rowCount(), 1);
    // Laid out in the dialog, as a dialog would, so that the dialog owns what the forms made.
    (new QWidget(&dialog))->setLayout(first);
    (new QWidget(&dialog))->setLayout(second);

    Sample shown;
    shown.files = {"b.png", "A.png"};
    fields.show(sampleDeclaration(), &shown);
    EXPECT_EQ(fields.edit("count")->text(), "7");
    EXPECT_FALSE(fields.check("flag")->isChecked()) << "checked for 1 only";
    EXPECT_EQ(fields.fileList("files")->entries(), (std::vector<std::string>{"A.png", "b.png"}));

    struct Case {
        const char* count;
        const char* level;
        const char* strength;
        bool stored;
        int32_t wantCount;
        uint8_t wantLevel;
        int32_t wantStrength;
    };
    for (const Case& c : {Case{" -12abc", "300", "100", true, -12, 44, 100},
                          Case{"5", "2571", "0", true, 5, 1, 0},  // "257" read: 3 characters
                          Case{"", "x", "42", true, 0, 0, 42}, Case{"99", "1", "101", false, 7, 9, 50},
                          Case{"99", "1", "-1", false, 7, 9, 50}}) {
        SCOPED_TRACE(std::string(c.count) + " " + c.level + " " + c.strength);
        Sample s;
        fields.edit("count")->setText(c.count);
        fields.edit("level")->setText(c.level);
        fields.edit("strength")->setText(c.strength);
        fields.check("flag")->setChecked(true);
        EXPECT_EQ(fields.store(sampleDeclaration(), &s), c.stored);
        EXPECT_EQ(s.count, c.wantCount);
        EXPECT_EQ(s.level, c.wantLevel);
        EXPECT_EQ(s.strength, c.wantStrength);
        EXPECT_EQ(s.flag, c.stored ? 1 : 2);
        EXPECT_EQ(s.files.size(), c.stored ? 2u : 0u);
    }
}

// Every field a dialog shows says what it is.
TEST(DeclaredFields, EveryShownFieldOfEveryBlockHasATooltip) {
    for (const BlockDeclaration* block : allDeclarations())
        for (const FieldDeclaration& f : block->fields)
            if (f.kind != FieldKind::Reserved) EXPECT_TRUE(f.tooltip && *f.tooltip) << block->name << "." << f.name;
}

}  // namespace
