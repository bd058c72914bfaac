#include "window_fixture.h"

#include <QLineEdit>

#include "app/new_picture_dialog.h"

void WindowTest::newPicture(int width, int height) {
    auto previous = answerDialog;
    answerDialog = [&](QDialog& d) {
        auto& dialog = static_cast<cdinitimg&>(d);
        dialog.xField()->setText(QString::number(width));
        dialog.yField()->setText(QString::number(height));
        dialog.accept();
        return int(QDialog::Accepted);
    };
    window->runCommand(32771);
    answerDialog = previous;
}
