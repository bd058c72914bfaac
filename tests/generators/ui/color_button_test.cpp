#include "generators/ui/color_button.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include "tests/support/modal_driver.h"

namespace {

TEST(ColorPacking, RedSitsInTheLowByte) {
    EXPECT_EQ(packedFromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
    const QColor c = qcolorFromPacked(0x00563412u);
    EXPECT_EQ(c.red(), 0x12);
    EXPECT_EQ(c.green(), 0x34);
    EXPECT_EQ(c.blue(), 0x56);
    // The top byte of a packed value is not a color channel.
    EXPECT_EQ(packedFromQColor(qcolorFromPacked(0xFFFFFFFFu)), 0x00FFFFFFu);
}

TEST(Cdbtncolor, PaintsItsWholeAreaInItsColor) {
    cdbtncolor button;
    button.setText("ignored");
    button.resize(40, 20);
    button.setColor(0x00336699u);  // red 0x99, green 0x66, blue 0x33
    const QImage shot = button.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    for (const QPoint p : {QPoint(0, 0), QPoint(20, 10), QPoint(shot.width() - 1, shot.height() - 1)}) {
        EXPECT_EQ(shot.pixelColor(p), QColor(0x99, 0x66, 0x33)) << p.x() << "," << p.y();
    }
}

TEST(Cdbtncolor, ClickTakesTheChosenColorAndCancelKeepsTheOld) {
    cdbtncolor button;
    button.setColor(0x00010203u);
    std::optional<uint32_t> answer;
    int asked = 0;
    button.setChooser([&](QWidget*) {
        ++asked;
        return answer;
    });
    std::vector<uint32_t> signalled;
    QObject::connect(&button, &cdbtncolor::colorChosen, [&](uint32_t c) { signalled.push_back(c); });

    answer = std::nullopt;
    button.click();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(button.color(), 0x00010203u);
    EXPECT_TRUE(signalled.empty());

    answer = 0x00ABCDEFu;
    button.click();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(button.color(), 0x00ABCDEFu);
    EXPECT_EQ(signalled, std::vector<uint32_t>{0x00ABCDEFu});
}

// Works the standard color dialog that the code under test opened.
void answerColorDialog(QDialog& d, std::optional<QColor> color) {
    auto* dialog = qobject_cast<QColorDialog*>(&d);
    ASSERT_NE(dialog, nullptr) << "not a colour dialog";
    if (!color) {
        dialog->reject();
        return;
    }
    dialog->setCurrentColor(*color);
    dialog->accept();
}

TEST(ChooseColor, WithoutReplacementAsksTheStandardDialog) {
    {
        ModalDriver driver([](QDialog& d) { answerColorDialog(d, QColor(1, 2, 3)); });
        EXPECT_EQ(chooseColor(nullptr), std::optional<uint32_t>(0x00030201u));
        EXPECT_TRUE(driver.fired());
    }
    ModalDriver driver([](QDialog& d) { answerColorDialog(d, std::nullopt); });
    EXPECT_EQ(chooseColor(nullptr), std::nullopt);
    EXPECT_TRUE(driver.fired());
}

TEST(ChooseColor, AReplacementIsAskedUntilTakenAway) {
    int asked = 0;
    const ColorChooser previous = setColorChooser([&](QWidget*) {
        ++asked;
        return std::optional<uint32_t>(7);
    });
    EXPECT_EQ(chooseColor(nullptr), std::optional<uint32_t>(7));
    EXPECT_EQ(asked, 1);
    setColorChooser(previous);
    ModalDriver driver([](QDialog& d) { answerColorDialog(d, std::nullopt); });
    EXPECT_EQ(chooseColor(nullptr), std::nullopt);
    EXPECT_EQ(asked, 1);
}

TEST(Cdbtncolor, ItsOwnDialogStaysWithTheButton) {
    cdbtncolor button;
    button.setColor(0x00000001u);
    QDialog* first = nullptr;
    {
        ModalDriver driver([&](QDialog& d) {
            first = &d;
            answerColorDialog(d, QColor(0x40, 0x50, 0x60));
        });
        button.click();
        EXPECT_TRUE(driver.fired());
    }
    EXPECT_EQ(button.color(), 0x00605040u);
    ModalDriver driver([&](QDialog& d) {
        EXPECT_EQ(&d, first);
        answerColorDialog(d, std::nullopt);
    });
    button.click();
    EXPECT_TRUE(driver.fired());
    EXPECT_EQ(button.color(), 0x00605040u);
}

}  // namespace

namespace {

TEST(Cdbtncolor, EnterInItsDialogMeansOkEvenWhenTheSwatchHasTheFocus) {
    QDialog dialog;
    auto* swatch = new cdbtncolor(&dialog);
    auto* ok = new QPushButton("OK", &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    int asked = 0;
    swatch->setChooser([&](QWidget*) {
        ++asked;
        return std::optional<uint32_t>{};
    });
    dialog.show();
    swatch->setFocus();
    QTest::keyClick(swatch, Qt::Key_Return);
    EXPECT_EQ(asked, 0) << "Enter must not open the colour chooser";
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
