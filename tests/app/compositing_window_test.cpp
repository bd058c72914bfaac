// The compositing commands in the real window: live progress, the plugging phase's
// pass in the status bar, and Escape stopping a phase that would never end.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include <cstdlib>
#include <cstring>

#include "app/command_ids.h"
#include "params/parameter_blocks.h"
#include "window_fixture.h"

namespace {

// Every path reads as the same 40 x 40 opaque grey block.
uint8_t loadGrey(const char*, uint8_t** buffer, int32_t* w, int32_t* h, uint8_t* alpha, int32_t) {
    *w = *h = 40;
    *alpha = 0;
    *buffer = static_cast<uint8_t*>(std::malloc(40 * 40 * 4));
    std::memset(*buffer, 128, 40 * 40 * 4);
    return 1;
}
void releaseGrey(void* b) { std::free(b); }

TEST_F(WindowTest, CircleMixPlugsUntilEscapeShowingItsPass) {
    library.loadToDisk = loadGrey;
    library.free = releaseGrey;
    newPicture(48, 40);
    circleMixParams() = CircleMixParams{};
    circleMixParams().mixFiles = {"/grey.png"};
    ModalDriver ok([](QDialog& d) {
        // A radius the 40 x 40 source never fits: no disc can raise a hole, so the
        // plugging phase runs until Escape.
        d.findChild<QLineEdit*>("edit1005")->setText("30");
        d.findChild<QLineEdit*>("edit1006")->setText("30");
        d.findChild<QLineEdit*>("edit1007")->setText("3");
        d.findChild<QCheckBox*>("check1009")->setChecked(true);
        d.findChild<QPushButton*>("ok")->click();
    });
    QString shownDuringRun;
    QTimer::singleShot(400, [&] {
        shownDuringRun = window->statusBar()->currentMessage();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &press);
    });
    EXPECT_TRUE(window->runCommand(cmd::CircleMix));
    EXPECT_EQ(ok.seen, std::vector<std::string>{"cdmixcircle"});
    EXPECT_EQ(questions, std::vector<std::string>{"Interrompre ?"});
    EXPECT_TRUE(shownDuringRun.startsWith("Plug, pass ")) << shownDuringRun.toStdString();
    EXPECT_TRUE(messages.empty());
    circleMixParams() = CircleMixParams{};
}

}  // namespace
