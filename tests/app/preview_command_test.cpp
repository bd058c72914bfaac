// "Preview ..." from the main window: tags inserted during one opening are taken back
// by one "Annuler ...", and the view shows the picture as the preview left it.
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#include "app/command_ids.h"
#include "compositing/tag_insert_inputs.h"
#include "compositing/tag_insertion.h"
#include "compositing/ui/preview_area.h"
#include "compositing/ui/preview_window.h"
#include "compositing/ui/tag_insert_dialog.h"
#include "exchange/picture_file.h"
#include "params/parameter_blocks.h"
#include "window_fixture.h"

namespace {

bool samePixels(const Picture* a, const Picture* b) {
    return a && b && a->width == b->width && a->height == b->height &&
           std::memcmp(a->pixels, b->pixels, size_t(a->width) * a->height * 4) == 0;
}

TEST_F(WindowTest, PreviewInsertionsOfOneOpeningUndoAtOnce) {
    std::string error;
    ASSERT_TRUE(loadImageLibraryFrom(VOSPREN_TEST_IMAGE_LIBRARY, library, &error)) << error;
    QTemporaryDir dir;
    const std::string tagPath = dir.filePath("tag.png").toStdString();
    PicturePtr tag = patternedPicture(12, 9);
    ASSERT_TRUE(savePictureFile(library, *tag, tagPath));
    tagInsertParams() = TagInsertParams();
    storeInsertFile(tagInsertParams(), tagPath);
    tagInsertParams().insertLevel = 255;

    window->show();
    newPicture(40, 30);
    window->replacePicture(patternedPicture(40, 30));
    PicturePtr before = copyPicture(window->currentPicture());

    int previews = 0;
    answerDialog = [&](QDialog& d) {
        auto* preview = qobject_cast<cdpreview*>(&d);
        if (!preview) return int(QDialog::Accepted);  // the Escape information
        ++previews;
        preview->show();
        preview->insertTagCommand();
        EXPECT_TRUE(preview->insertMode());
        QTest::mouseClick(preview->area(), Qt::LeftButton, {}, QPoint(5, 40));
        QTest::mouseClick(preview->area(), Qt::LeftButton, {}, QPoint(30, 60));
        preview->close();
        return int(QDialog::Rejected);
    };
    ASSERT_TRUE(window->runCommand(cmd::Preview));
    EXPECT_EQ(previews, 1);
    EXPECT_FALSE(samePixels(window->currentPicture(), before.get()));
    EXPECT_EQ(dialogs, (std::vector<std::string>{"cdinitimg", "cdpreview", "cdechap"}));
    // The view was rebuilt from the changed picture when the preview closed.
    EXPECT_EQ(window->currentPicture()->width, 40);

    PicturePtr expected = copyPicture(before.get());
    const std::optional<TagImage> cells =
        loadInsertTag(library, tagInsertParams(), paintSettings().blendColor, window->interaction());
    ASSERT_TRUE(cells);
    insertTagAt(*expected, cells->cells(), cells->width, cells->height, 5, 8, 255);
    insertTagAt(*expected, cells->cells(), cells->width, cells->height, 30, 28, 255);
    EXPECT_TRUE(samePixels(window->currentPicture(), expected.get()));

    window->runCommand(cmd::Undo);
    EXPECT_TRUE(samePixels(window->currentPicture(), before.get()));
    EXPECT_FALSE(existingTagInsertDialog()->isVisible());
}

}  // namespace
