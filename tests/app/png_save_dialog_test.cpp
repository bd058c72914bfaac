// The Export dialog's PNG compression: shown from the program's settings, kept there
// and made the process's choice on OK, left alone on Cancel.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>

#include "exchange/ui/png_save_dialog.h"
#include "tests/support/modal_driver.h"

namespace {

TEST(PngSaveDialog, TheChoiceStartsFromTheSettingsAndIsKeptOnOkOnly) {
    QTemporaryDir folder;
    const QString target = folder.filePath("picture.png");
    const struct {
        PngCompression stored;
        const char* pick;
        bool accept;
        PngCompression after;
    } cases[] = {{PngCompression::Small, "Fast", true, PngCompression::Fast},
                 {PngCompression::Fast, "Small", true, PngCompression::Small},
                 {PngCompression::Fast, "Small", false, PngCompression::Fast}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pick) + (c.accept ? " OK" : " Cancel"));
        storePngCompression(c.stored);
        pngCompression() = c.stored;
        QString shown;
        ModalDriver driver([&](QDialog& dialog) {
            QComboBox* choice = nullptr;  // the dialog's own boxes list folders and types
            for (QComboBox* box : dialog.findChildren<QComboBox*>())
                if (box->findText("Small") >= 0) choice = box;
            ASSERT_NE(choice, nullptr);
            shown = choice->currentText();
            choice->setCurrentIndex(choice->findText(c.pick));
            static_cast<QFileDialog&>(dialog).selectFile(target);
            c.accept ? dialog.accept() : dialog.reject();
        });
        QString filter = "PNG (*.PNG)";
        const QString name = getSaveFileNameWithPngOption(nullptr, folder.path(), "PNG (*.PNG)", &filter);
        EXPECT_TRUE(driver.fired());
        EXPECT_EQ(shown, c.stored == PngCompression::Small ? "Small" : "Fast");
        EXPECT_EQ(name, c.accept ? target : QString());
        EXPECT_EQ(storedPngCompression(), c.after);
        EXPECT_EQ(pngCompression(), c.after);
    }
    pngCompression() = PngCompression::Fast;
}

}  // namespace
