#include "generators/ui/number_dialog.h"

#include <gtest/gtest.h>
#include <QTest>

#include "tests/support/dialog_controls.h"
#include "tests/support/modal_driver.h"

namespace {

TEST(AskNumber, StartsAtZeroAndReturnsTheTypedNumberOnOk) {
    QString shown;
    QString typed;
    ModalDriver driver([&](QDialog& d) {
        shown = textOf(d, 1003);
        EXPECT_EQ(d.windowTitle(), "Dialog");
        EXPECT_EQ(formLabels(d), QStringList{"Number : "});
        // The "0" shown is selected: typing replaces it, and only digits get in.
        QTest::keyClicks(editOf(d, 1003), "-2x5");
        typed = textOf(d, 1003);
        press(d, "ok");
    });
    const NumberAnswer answer = askNumber(nullptr);
    EXPECT_TRUE(driver.fired());
    EXPECT_EQ(shown, "0");
    EXPECT_EQ(typed, "25");
    EXPECT_TRUE(answer.ok);
    EXPECT_EQ(answer.number, 25);
}

TEST(AskNumber, CancelReportsNoAnswerAndEachUseStartsFresh) {
    {
        ModalDriver driver([](QDialog& d) {
            setText(d, 1003, "77");
            press(d, "cancel");
        });
        EXPECT_FALSE(askNumber(nullptr).ok);
    }
    QString shown;
    ModalDriver driver([&](QDialog& d) {
        shown = textOf(d, 1003);
        setText(d, 1003, "  12abc");
        press(d, "ok");
    });
    const NumberAnswer answer = askNumber(nullptr);
    EXPECT_EQ(shown, "0");
    EXPECT_TRUE(answer.ok);
    EXPECT_EQ(answer.number, 12);
}

TEST(Cdsaisit, KeepsAtMost254Characters) {
    cdsaisit dialog;
    EXPECT_TRUE(dialog.numeric());
    setText(dialog, 1003, QString(300, '7'));
    dialog.accept();
    EXPECT_EQ(dialog.text().size(), cdsaisit::kMaxChars);
}

}  // namespace
