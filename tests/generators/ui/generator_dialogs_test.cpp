#include <gtest/gtest.h>
#include <QGroupBox>
#include <QTest>

#include "generators/ui/circle_dialog.h"
#include "generators/ui/mix_dialog.h"
#include "generators/ui/polygon_dialog.h"
#include "generators/ui/rectangle_dialog.h"
#include "generators/ui/vector_dialog.h"
#include "params/parameter_blocks.h"
#include "tests/support/dialog_controls.h"
#include "tests/support/modal_driver.h"

namespace {

TEST(CircleDialog, ShowsTheFieldsAndStoresThemOnOk) {
    CircleParams params;
    ccdcirclev1 dialog(params);
    QStringList shown;
    ModalDriver driver([&](QDialog& d) {
        shown << textOf(d, 1003) << textOf(d, 1004) << textOf(d, 1010);
        setText(d, 1003, "5");
        setText(d, 1004, "  40");
        setText(d, 1010, "-3 discs");
        press(d, "ok");
    });
    EXPECT_TRUE(dialog.run());
    EXPECT_TRUE(driver.fired());
    EXPECT_EQ(shown, (QStringList{"8", "32", "0"}));
    EXPECT_EQ(params.rayMin, 5);
    EXPECT_EQ(params.rayMax, 40);
    EXPECT_EQ(params.circleCount, -3);
}

TEST(CircleDialog, CancelKeepsTheFieldsAndTheNextOpeningShowsThem) {
    CircleParams params{10, 20, 7};
    ccdcirclev1 dialog(params);
    {
        ModalDriver driver([](QDialog& d) {
            setText(d, 1003, "99");
            setText(d, 1010, "1");
            press(d, "cancel");
        });
        EXPECT_FALSE(dialog.run());
    }
    EXPECT_EQ(params.rayMin, 10);
    EXPECT_EQ(params.rayMax, 20);
    EXPECT_EQ(params.circleCount, 7);
    QStringList shown;
    ModalDriver driver([&](QDialog& d) {
        shown << textOf(d, 1003) << textOf(d, 1004) << textOf(d, 1010);
        press(d, "cancel");
    });
    EXPECT_FALSE(dialog.run());
    EXPECT_EQ(shown, (QStringList{"10", "20", "7"}));
}

TEST(CircleDialog, RangeEditsTakeDigitsOnlyAndTheCountTakesAnyText) {
    CircleParams params;
    ccdcirclev1 dialog(params);
    dialog.show();
    QLineEdit* rayMin = editOf(dialog, 1003);
    rayMin->clear();
    QTest::keyClicks(rayMin, "-1a2 3");
    EXPECT_EQ(rayMin->text(), "123");
    QLineEdit* count = editOf(dialog, 1010);
    count->clear();
    QTest::keyClicks(count, "-12");
    EXPECT_EQ(count->text(), "-12");
    dialog.hide();
}

TEST(CircleDialog, ReadsOnlyTheFirst63Characters) {
    CircleParams params;
    ccdcirclev1 dialog(params);
    ModalDriver driver([](QDialog& d) {
        setText(d, 1010, QString(62, ' ') + "78");
        setText(d, 1003, QString(63, ' ') + "9");
        press(d, "ok");
    });
    EXPECT_TRUE(dialog.run());
    EXPECT_EQ(params.circleCount, 7);
    EXPECT_EQ(params.rayMin, 0);
}

TEST(GeneratorDialogs, CaptionsAndLabelsInOrder) {
    CircleParams c;
    RectangleParams r;
    PolygonParams p;
    VectorParams v;
    PaintSettings s;
    ccdcirclev1 circle(c);
    ccdrectv1 rect(r);
    CTPoly poly(p);
    cdvector vec(v);
    cdpercentmix mix(s);
    EXPECT_EQ(circle.windowTitle(), "Dialog");
    EXPECT_EQ(formLabels(circle), (QStringList{"Raymin", "Raymax", "Count:  "}));
    EXPECT_EQ(rect.windowTitle(), "Dialog");
    EXPECT_EQ(formLabels(rect), (QStringList{"XMin :", "YMin :", "XMax : ", "YMax : ", "Count : "}));
    EXPECT_EQ(poly.windowTitle(), "Polygone");
    EXPECT_EQ(formLabels(poly), (QStringList{"RayMin : ", "RayMax : ", "AngMin :", "AngMax :", "Count"}));
    EXPECT_EQ(checkOf(poly, 1023)->text(), "Fill");
    EXPECT_EQ(vec.windowTitle(), "Vector");
    EXPECT_EQ(formLabels(vec), (QStringList{"Min :", "Max : ", "Min :", "Max : ", "Count :"}));
    QStringList groups;
    for (QGroupBox* g : vec.findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_EQ(groups, (QStringList{"Length", "Weight"}));
    EXPECT_EQ(checkOf(vec, 1025)->text(), "Fill");
    EXPECT_EQ(mix.windowTitle(), "Mix");
    EXPECT_EQ(formLabels(mix), (QStringList{"From : ", "To : "}));
    ASSERT_EQ(mix.findChildren<QGroupBox*>().size(), 1);
    EXPECT_EQ(mix.findChild<QGroupBox*>()->title(), "%");
}

TEST(RectangleDialog, OkStoresEveryFieldAndCancelNone) {
    RectangleParams params;
    ccdrectv1 dialog(params);
    {
        QStringList shown;
        ModalDriver driver([&](QDialog& d) {
            for (int id = 1005; id <= 1009; ++id) shown << textOf(d, id);
            for (int id = 1005; id <= 1009; ++id) setText(d, id, QString::number(id - 1000));
            press(d, "cancel");
        });
        EXPECT_FALSE(dialog.run());
        EXPECT_EQ(shown, (QStringList{"4", "4", "32", "32", "0"}));
    }
    EXPECT_EQ(params.xMin, 4);
    EXPECT_EQ(params.rectangleCount, 0);
    ModalDriver driver([](QDialog& d) {
        for (int id = 1005; id <= 1009; ++id) setText(d, id, QString::number(id - 1000));
        press(d, "ok");
    });
    EXPECT_TRUE(dialog.run());
    EXPECT_EQ(params.xMin, 5);
    EXPECT_EQ(params.yMin, 6);
    EXPECT_EQ(params.xMax, 7);
    EXPECT_EQ(params.yMax, 8);
    EXPECT_EQ(params.rectangleCount, 9);
}

TEST(PolygonDialog, FillBoxFollowsTheFieldBothWays) {
    PolygonParams params;
    params.polygonFill = 1;
    params.polygonCount = -4;  // e.g. from a configuration file: still shown as it is
    CTPoly dialog(params);
    bool checkedOnOpening = false;
    QString countShown;
    ModalDriver driver([&](QDialog& d) {
        checkedOnOpening = checkOf(d, 1023)->isChecked();
        countShown = textOf(d, 1019);
        setText(d, 1017, "1");
        setText(d, 1018, "2");
        setText(d, 1015, "90");
        setText(d, 1016, "91");
        checkOf(d, 1023)->setChecked(false);
        press(d, "ok");
    });
    EXPECT_TRUE(dialog.run());
    EXPECT_TRUE(checkedOnOpening);
    EXPECT_EQ(countShown, "-4");
    EXPECT_EQ(params.rayMin, 1);
    EXPECT_EQ(params.rayMax, 2);
    EXPECT_EQ(params.angMin, 90);
    EXPECT_EQ(params.angMax, 91);
    EXPECT_EQ(params.polygonCount, -4);
    EXPECT_EQ(params.polygonFill, 0);

    ModalDriver again([&](QDialog& d) {
        checkedOnOpening = checkOf(d, 1023)->isChecked();
        checkOf(d, 1023)->setChecked(true);
        press(d, "ok");
    });
    EXPECT_TRUE(dialog.run());
    EXPECT_FALSE(checkedOnOpening);
    EXPECT_EQ(params.polygonFill, 1);
}

TEST(VectorDialog, OkStoresRangesCountAndFill) {
    VectorParams params;
    cdvector dialog(params);
    QStringList shown;
    bool checkedOnOpening = false;
    ModalDriver driver([&](QDialog& d) {
        for (int id : {1020, 1021, 1023, 1024, 1022}) shown << textOf(d, id);
        checkedOnOpening = checkOf(d, 1025)->isChecked();
        setText(d, 1020, "1");
        setText(d, 1021, "2");
        setText(d, 1023, "3");
        setText(d, 1024, "4");
        setText(d, 1022, "");
        checkOf(d, 1025)->setChecked(false);
        press(d, "ok");
    });
    EXPECT_TRUE(dialog.run());
    EXPECT_EQ(shown, (QStringList{"8", "256", "8", "48", "0"}));
    EXPECT_TRUE(checkedOnOpening);
    EXPECT_EQ(params.lengthMin, 1);
    EXPECT_EQ(params.lengthMax, 2);
    EXPECT_EQ(params.weightMin, 3);
    EXPECT_EQ(params.weightMax, 4);
    EXPECT_EQ(params.vectorCount, 0);
    EXPECT_EQ(params.vectorFill, 0);
}

TEST(MixDialog, StoresTheLowByteOfEachNumberStraightIntoTheSettings) {
    PaintSettings settings;
    settings.blendLevel = 77;
    cdpercentmix dialog(settings);
    QStringList shown;
    ModalDriver driver([&](QDialog& d) {
        shown << textOf(d, 1034) << textOf(d, 1033);
        setText(d, 1034, "300");
        setText(d, 1033, "-1");
        press(d, "ok");
    });
    EXPECT_TRUE(dialog.run());
    EXPECT_EQ(shown, (QStringList{"100", "100"}));
    EXPECT_EQ(settings.mixFromPercent, 44);
    EXPECT_EQ(settings.mixToPercent, 255);
    EXPECT_EQ(settings.blendLevel, 77);  // only the range is edited
}

TEST(MixDialog, CancelChangesNothingAndFieldsAreReadTo31Characters) {
    PaintSettings settings;
    settings.mixFromPercent = 20;
    settings.mixToPercent = 80;
    cdpercentmix dialog(settings);
    {
        ModalDriver driver([](QDialog& d) {
            setText(d, 1034, "1");
            setText(d, 1033, "2");
            press(d, "cancel");
        });
        EXPECT_FALSE(dialog.run());
    }
    EXPECT_EQ(settings.mixFromPercent, 20);
    EXPECT_EQ(settings.mixToPercent, 80);
    ModalDriver driver([](QDialog& d) {
        setText(d, 1034, QString(30, ' ') + "56");
        setText(d, 1033, QString(31, ' ') + "56");
        press(d, "ok");
    });
    EXPECT_TRUE(dialog.run());
    EXPECT_EQ(settings.mixFromPercent, 5);
    EXPECT_EQ(settings.mixToPercent, 0);
}

TEST(SingleInstances, EachCommandKeepsOneDialogAndOneParameterBlock) {
    const CircleParams saved = circleParams();
    {
        QWidget owner;
        EXPECT_EQ(&circleDialog(&owner), &circleDialog(&owner));
        EXPECT_EQ(&rectangleDialog(&owner), &rectangleDialog(&owner));
        EXPECT_EQ(&polygonDialog(&owner), &polygonDialog(&owner));
        EXPECT_EQ(&vectorDialog(&owner), &vectorDialog(&owner));
        EXPECT_EQ(&mixDialog(&owner), &mixDialog(&owner));
        EXPECT_EQ(circleDialog(&owner).parentWidget(), &owner);
        ModalDriver first([](QDialog& d) {
            setText(d, 1003, "11");
            press(d, "ok");
        });
        EXPECT_TRUE(circleDialog(&owner).run());
    }
    // The owner (the window) went away with its dialogs; the values typed stay.
    QWidget newOwner;
    EXPECT_EQ(circleDialog(&newOwner).parentWidget(), &newOwner);
    QString shown;
    ModalDriver second([&](QDialog& d) {
        shown = textOf(d, 1003);
        press(d, "cancel");
    });
    EXPECT_FALSE(circleDialog(&newOwner).run());
    EXPECT_EQ(shown, "11");
    EXPECT_EQ(circleParams().rayMin, 11);
    circleParams() = saved;
}

}  // namespace
