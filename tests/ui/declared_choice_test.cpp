// A Choice field: the combo shows each answer's label and tooltip, the record keeps
// the answer's place, and the program's settings keep it by place or by word.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QTemporaryDir>

#include "params/field_declaration.h"
#include "ui/declared_fields.h"
#include "ui/declared_settings.h"
#include "ui/program_settings.h"

namespace {

struct Pick {
    int32_t shape = 0;
    uint8_t speed = 1;
};

const BlockDeclaration& pickDeclaration() {
    using K = FieldKind;
    static const BlockDeclaration d{
        "pick",
        {
            {.name = "shape",
             .kind = K::Choice,
             .access = fieldOf<Pick, &Pick::shape>(),
             .controlName = "shape",
             .label = "Shape",
             .tooltip = "shape",
             .choices = {{"round", "Round one", "a disc"}, {"square"}},
             .settingsKey = "testshape"},
            {.name = "speed",
             .kind = K::Choice,
             .access = fieldOf<Pick, &Pick::speed>(),
             .controlName = "speed",
             .label = "Speed",
             .tooltip = "speed",
             .choices = {{"slow"}, {"fast", "Fast!"}, {"warp"}},
             .settingsKey = "testspeed",
             .keptAsWord = true},
        },
    };
    return d;
}

TEST(DeclaredChoice, TheComboShowsLabelsAndTooltipsAndGivesBackThePlace) {
    QDialog dialog;
    DeclaredFields fields(&dialog);
    fields.addAll(pickDeclaration());
    auto* shape = dialog.findChild<QComboBox*>("shape");
    auto* speed = dialog.findChild<QComboBox*>("speed");
    ASSERT_TRUE(shape && speed);
    EXPECT_EQ(shape->itemText(0), "Round one");
    EXPECT_EQ(shape->itemText(1), "square") << "the word where there is no label";
    EXPECT_EQ(shape->itemData(0, Qt::ToolTipRole).toString(), "a disc");
    EXPECT_FALSE(shape->itemData(1, Qt::ToolTipRole).isValid());
    EXPECT_EQ(speed->toolTip(), "speed");

    const struct {
        Pick shown;
        const char* speedText;
    } cases[] = {{{1, 2}, "warp"}, {{0, 0}, "slow"}, {{1, 1}, "Fast!"}};
    for (const auto& c : cases) {
        fields.show(pickDeclaration(), &c.shown);
        EXPECT_EQ(speed->currentText(), c.speedText);
        Pick back{7, 7};
        EXPECT_TRUE(fields.store(pickDeclaration(), &back));
        EXPECT_EQ(back.shape, c.shown.shape);
        EXPECT_EQ(back.speed, c.shown.speed);
    }
}

TEST(DeclaredChoice, SettingsKeepThePlaceOrTheWordAndPassOverStrangeValues) {
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    const struct {
        QVariant shape, speed;
        int32_t wantShape;
        uint8_t wantSpeed;
    } cases[] = {
        {1, "warp", 1, 2},       {"1", "slow", 1, 0},
        {2, "Fast", 0, 1},  // past the last place; a word in the wrong case: as they were
        {-1, 2, 0, 1},      // a place where a word is kept
        {"x", QVariant(), 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape.toString().toStdString() + " " + c.speed.toString().toStdString());
        {
            QSettings settings(kSettingsOrganization, kSettingsApplication);
            settings.clear();
            if (c.shape.isValid()) settings.setValue("testshape", c.shape);
            if (c.speed.isValid()) settings.setValue("testspeed", c.speed);
        }
        Pick p;
        readDeclaredSettings(pickDeclaration(), &p);
        EXPECT_EQ(p.shape, c.wantShape);
        EXPECT_EQ(p.speed, c.wantSpeed);
    }
    const Pick written{1, 2};
    writeDeclaredSettings(pickDeclaration(), &written);
    const QSettings settings(kSettingsOrganization, kSettingsApplication);
    EXPECT_EQ(settings.value("testshape").toInt(), 1);
    EXPECT_EQ(settings.value("testspeed").toString(), "warp");
}

}  // namespace
