#include "generators/ui/cdbtncolor.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/generators/ui/qt_app.h"

namespace {

TEST(ColourPacking, RedSitsInTheLowByte) {
    EXPECT_EQ(packedFromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
    const QColor c = qcolorFromPacked(0x00563412u);
    EXPECT_EQ(c.red(), 0x12);
    EXPECT_EQ(c.green(), 0x34);
    EXPECT_EQ(c.blue(), 0x56);
    // The top byte of a packed value is not a colour channel.
    EXPECT_EQ(packedFromQColor(qcolorFromPacked(0xFFFFFFFFu)), 0x00FFFFFFu);
}

TEST(Cdbtncolor, PaintsItsWholeAreaInItsColour) {
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

TEST(Cdbtncolor, ClickTakesTheChosenColourAndCancelKeepsTheOld) {
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

}  // namespace
