// Qt's own file dialogs as the commands open them: what each offers, and the name it hands back.
#include "exchange/ui/file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Waits for the next file dialog, notes the name it offers, then types `name` and
// accepts.
struct DialogAnswer {
    QString name;
    QString offered;
};

std::optional<std::string> ask(FileDialogKind kind, const QString& filter, DialogAnswer& answer) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        poll.stop();
        answer.offered = dialog->selectedFiles().value(0);
        dialog->selectFile(answer.name);
        static_cast<QDialog*>(dialog)->accept();  // the dialog's own checks run as for OK
    });
    poll.start(10);
    return chooseFile(nullptr, {kind, filter, runWindowFileDialog});
}

TEST(StandardFileDialog, EachKindOfFileKeepsItsOwnNameAndExtension) {
    QTemporaryDir dir;
    const QString pictures = QStringLiteral("PNG (*.png);;Bitmap (*.bmp)");
    const QString configurations = QStringLiteral("*.vscfg (*.vscfg)");
    const struct {
        const QString& filter;
        QString typed;
        std::string returned;
        bool offersLast;  // the dialog offers the last name given under this filter
    } steps[] = {
        {pictures, "picture.png", "picture.png", false},
        // Not the picture's name: Enter would write a configuration over it.
        {configurations, "settings", "settings.vscfg", false},
        {configurations, "other", "other.vscfg", true},
        // Pictures get no extension of the dialog's making: the command asks for one.
        {pictures, "bare", "bare", true},
    };
    QString lastPicture, lastConfiguration;
    for (const auto& s : steps) {
        DialogAnswer answer{dir.filePath(s.typed), {}};
        const std::optional<std::string> got = ask(FileDialogKind::Save, s.filter, answer);
        ASSERT_TRUE(got) << s.typed.toStdString();
        EXPECT_EQ(*got, dir.filePath(QString::fromStdString(s.returned)).toStdString());
        QString& last = &s.filter == &pictures ? lastPicture : lastConfiguration;
        if (s.offersLast) {
            EXPECT_EQ(answer.offered, last) << s.typed.toStdString();
        } else {
            EXPECT_FALSE(answer.offered.endsWith(".png")) << answer.offered.toStdString();
        }
        last = QString::fromStdString(*got);
    }
}

}  // namespace
