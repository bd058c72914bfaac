#include "generators/ui/palette_editor.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <deque>
#include <filesystem>

#include "core/paint_settings.h"
#include "generators/palette_file.h"
#include "generators/ui/generator_commands.h"
#include "tests/support/dialog_controls.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/fake_picture_host.h"
#include "tests/support/file_answers.h"
#include "tests/support/modal_driver.h"
#include "tests/support/qt_application.h"

namespace {

const ShapeColor kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kGrey{90, 90, 90};

class PaletteEditor : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        resetPaintSettings();
        currentPalette() = Palette{};
        for (ShapeColor c : {kRed, kGreen, kBlue}) addPaletteColor(currentPalette(), c);
        paintSettings().paletteOff = 0;
        open();
    }
    void TearDown() override {
        editor.reset();
        resetPaintSettings();
        currentPalette() = Palette{};
    }

    // A fresh editor over the current palette, its askers answered from the queues.
    void open() {
        editor = std::make_unique<cdpalette>(ui);
        editor->setColorAsker([this](std::optional<uint32_t> preset) -> std::optional<uint32_t> {
            presets.push_back(preset);
            if (colors.empty()) return std::nullopt;
            const std::optional<uint32_t> c = colors.front();
            colors.pop_front();
            return c;
        });
        chooser_.emplace(answerName([this](QWidget*, FileDialogKind, const QString&) { return file; }));
        editor->setNumberAsker([this] { return number; });
    }
    void run(int id) {
        QAction* a = editor->action(id);
        ASSERT_NE(a, nullptr) << id;
        a->trigger();
    }
    // A press as the window system delivers it: through the editor's window, so that
    // whatever widget lies on top at that point takes it.
    void click(int x, int y) {
        if (!editor->isVisible()) {
            editor->show();
            QApplication::processEvents();
        }
        QTest::mouseClick(editor->windowHandle(), Qt::LeftButton, {},
                          editor->grid()->mapTo(editor.get(), QPoint(x, y)));
    }
    std::vector<ShapeColor> entries() const {
        const Palette& p = editor->workingPalette();
        return std::vector<ShapeColor>(p.colors, p.colors + p.count);
    }
    QCheckBox* allColorBox() { return checkOf(*editor, 1014); }

    FakeInteraction ui;
    std::unique_ptr<cdpalette> editor;
    std::deque<std::optional<uint32_t>> colors;
    std::vector<std::optional<uint32_t>> presets;
    std::optional<std::string> file;
    std::optional<ScopedFileChooser> chooser_;
    NumberAnswer number;
};

TEST_F(PaletteEditor, MenuAndOpeningState) {
    std::vector<std::string> items;
    for (QAction* top : editor->findChild<QMenuBar*>()->actions()) {
        items.push_back("[" + top->text().toStdString() + "]");
        for (QAction* a : top->menu()->actions()) {
            if (a->isSeparator())
                items.push_back("-");
            else if (a->menu())
                for (QAction* sub : a->menu()->actions())
                    items.push_back(a->text().toStdString() + ">" + sub->text().toStdString() + "=" +
                                    std::to_string(sub->data().toInt()));
            else
                items.push_back(a->text().toStdString() + "=" + std::to_string(a->data().toInt()));
        }
    }
    EXPECT_EQ(items, (std::vector<std::string>{"[File]", "Load ...=32783", "Save ...=32784", "[Palette]", "Add=32785",
                                               "Remove=32786", "Modify=32788", "-", "Remove All=32821", "-",
                                               "Runtime>Make a random color palette ....=32823"}));
    EXPECT_EQ(editor->windowTitle(), "Palette Editor");
    EXPECT_EQ(entries(), (std::vector<ShapeColor>{kRed, kGreen, kBlue}));
    EXPECT_EQ(editor->selected(), -1);
    EXPECT_FALSE(allColorBox()->isChecked());
    paintSettings().paletteOff = 1;
    open();
    EXPECT_TRUE(allColorBox()->isChecked());
}

// Presses in the grid's own pixels: cells 32 apart from (0, 32), gaps to the cell
// on the left or above, nothing at or above y = 32 or right of the sixteenth column.
TEST_F(PaletteEditor, PressesSelectCellsByClientPixels) {
    const struct {
        int x, y;
        int32_t selected;
    } presses[] = {
        {100, 40, 3},    {10, 70, 16},    {0, 33, 0},   {31, 63, 0}, {24, 40, 0},   {32, 64, 17},
        {511, 543, 255}, {200, 300, 134}, {10, 544, 0}, {10, 32, 7}, {512, 100, 7}, {600, 50, 7},
    };
    for (const auto& p : presses) {
        editor->selectAt(224, 40);  // cell 7 first, so that a press selecting nothing shows
        click(p.x, p.y);
        EXPECT_EQ(editor->selected(), p.selected) << p.x << "," << p.y;
    }
}

TEST_F(PaletteEditor, DeleteKeyRemoveAndRemoveAll) {
    click(40, 40);  // cell 1
    QTest::keyClick(editor.get(), Qt::Key_Delete);
    EXPECT_EQ(entries(), (std::vector<ShapeColor>{kRed, kBlue}));
    EXPECT_EQ(editor->selected(), 1) << "the same index, now the next colour";
    QTest::keyClick(editor.get(), Qt::Key_Delete);
    EXPECT_EQ(entries(), std::vector<ShapeColor>{kRed});
    EXPECT_EQ(editor->selected(), -1) << "nothing left at that index";
    QTest::keyClick(editor.get(), Qt::Key_Delete);
    EXPECT_EQ(entries(), std::vector<ShapeColor>{kRed}) << "nothing selected, nothing removed";

    open();
    click(10, 40);
    run(palette_cmd::Remove);
    EXPECT_EQ(entries(), (std::vector<ShapeColor>{kGreen, kBlue}));
    EXPECT_EQ(editor->selected(), -1);
    run(palette_cmd::Remove);
    EXPECT_EQ(entries().size(), 2u);

    click(10, 40);
    ui.answerYes = false;
    run(palette_cmd::RemoveAll);
    EXPECT_EQ(entries().size(), 2u);
    ui.answerYes = true;
    run(palette_cmd::RemoveAll);
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(editor->selected(), 0) << "the selection is kept";
    ASSERT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(ui.questions[0].text, "Delete All Color Palette ?");
    EXPECT_EQ(ui.questions[0].caption, "KorvintePalette");
}

TEST_F(PaletteEditor, AddAndModify) {
    allColorBox()->setChecked(true);
    colors = {packShapeColor(kGrey)};
    run(palette_cmd::Add);
    EXPECT_EQ(entries(), (std::vector<ShapeColor>{kRed, kGreen, kBlue, kGrey}));
    EXPECT_FALSE(allColorBox()->isChecked()) << "Add turns palette colours on";
    allColorBox()->setChecked(true);
    run(palette_cmd::Add);  // cancelled
    EXPECT_EQ(entries().size(), 4u);
    EXPECT_TRUE(allColorBox()->isChecked());

    // A color already there is refused and the chooser opens again, preset each time.
    click(40, 40);
    colors = {packShapeColor(kRed), packShapeColor(kGreen), 0x00010203};
    run(palette_cmd::Modify);
    EXPECT_EQ(entries()[1], (ShapeColor{3, 2, 1}));
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"The color already exist in the palette",
                                                           "The color already exist in the palette"}));
    EXPECT_EQ(presets.back(), packShapeColor(kGreen));
    EXPECT_TRUE(allColorBox()->isChecked()) << "Modify leaves the box alone";

    // A cell past the last entry takes the color but does not join the palette.
    click(10 + 32 * 5, 40);
    colors = {0x00777777};
    run(palette_cmd::Modify);
    EXPECT_EQ(entries().size(), 4u);
    ui.messages.clear();
    run(palette_cmd::Modify);  // cancelled
    EXPECT_TRUE(ui.messages.empty());

    // A full palette stays as it is, and the box is still unchecked.
    Palette full;
    for (int i = 0; i < 256; ++i) addPaletteColor(full, ShapeColor{uint8_t(i), 0, 0});
    currentPalette() = full;
    open();
    colors = {packShapeColor(kGrey)};
    run(palette_cmd::Add);
    EXPECT_EQ(entries().size(), 256u);
    EXPECT_FALSE(allColorBox()->isChecked());
}

TEST_F(PaletteEditor, RandomPaletteThroughTheNumberDialog) {
    currentPalette() = Palette{};
    paintSettings().paletteOff = 1;
    open();
    number = {true, 300};
    run(palette_cmd::RandomPalette);
    EXPECT_EQ(entries().size(), 256u) << "stops when full";
    EXPECT_TRUE(allColorBox()->isChecked()) << "a run that fills the palette ends before the box";

    open();
    number = {true, 3};
    run(palette_cmd::RandomPalette);
    EXPECT_EQ(entries().size(), 3u);
    EXPECT_FALSE(allColorBox()->isChecked());
    const std::vector<ShapeColor> first = entries();
    open();
    run(palette_cmd::RandomPalette);
    EXPECT_EQ(entries(), first) << "seeded from the clock";
    number = {false, 3};
    run(palette_cmd::RandomPalette);
    EXPECT_EQ(entries().size(), 3u);
}

TEST_F(PaletteEditor, FilesOkAndCancel) {
    const auto dir = std::filesystem::temp_directory_path() / ("vospren_palette_editor_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    file = (dir / "saved.vpal").string();
    run(palette_cmd::Save);
    Palette back;
    ASSERT_TRUE(loadPaletteFile(*file, back));
    EXPECT_EQ(back.count, 3);

    file = dir.string();  // a folder: the save fails and says so
    run(palette_cmd::Save);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Cannot save the palette to " + dir.string() + ": Is a directory");

    click(10, 40);
    run(palette_cmd::RemoveAll);
    allColorBox()->setChecked(true);
    file = (dir / "saved.vpal").string();
    run(palette_cmd::Load);
    EXPECT_EQ(entries(), (std::vector<ShapeColor>{kRed, kGreen, kBlue}));
    EXPECT_EQ(editor->selected(), 0);
    EXPECT_TRUE(allColorBox()->isChecked()) << "loading leaves the box alone";
    std::filesystem::remove_all(dir);

    // Cancel changes nothing; OK hands back the entries and the box.
    click(10, 40);
    run(palette_cmd::Remove);
    editor->reject();
    EXPECT_EQ(currentPalette().count, 3);
    EXPECT_EQ(paintSettings().paletteOff, 0);
    open();
    run(palette_cmd::RemoveAll);
    allColorBox()->setChecked(true);
    editor->accept();
    EXPECT_EQ(currentPalette().count, 0);
    EXPECT_EQ(paintSettings().paletteOff, 1);
}

TEST_F(PaletteEditor, ABareNameIsSavedAsAPaletteFile) {
    const auto dir = std::filesystem::temp_directory_path() / ("vospren_palette_bare_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    file = (dir / "warm").string();
    run(palette_cmd::Save);
    Palette back;
    EXPECT_TRUE(loadPaletteFile((dir / "warm.vpal").string(), back));
    EXPECT_EQ(back.count, 3);
    EXPECT_FALSE(std::filesystem::exists(dir / "warm"));
    std::filesystem::remove_all(dir);
}

// Swatches are 24 x 24 squares of their color, the selected one outlined in red
// two pixels wide; with "All Color" checked none is drawn.
TEST_F(PaletteEditor, PaintsTheSwatchesItHolds) {
    editor->show();
    click(40, 40);
    QImage shot = editor->grid()->grab().toImage();
    const QColor background = shot.pixelColor(300, 300);
    EXPECT_EQ(shot.pixelColor(12, 44), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(0, 32), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(23, 55), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(24, 44), background) << "gap";
    EXPECT_EQ(shot.pixelColor(44, 44), QColor(0, 255, 0));
    EXPECT_EQ(shot.pixelColor(44, 32), QColor(Qt::red)) << "outline along the top of cell 1";
    EXPECT_EQ(shot.pixelColor(32, 44), QColor(Qt::red)) << "and its left";
    EXPECT_EQ(shot.pixelColor(76, 44), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(108, 44), background) << "no fourth entry";

    allColorBox()->click();
    shot = editor->grid()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(12, 44), background);
}

TEST_F(PaletteEditor, PaletteCommandRunsTheEditorModally) {
    FakePictureHost host;
    QString title;
    ModalDriver driver([&](QDialog& d) {
        title = d.windowTitle();
        d.reject();
    });
    runPaletteCommand(host);
    EXPECT_TRUE(driver.fired());
    EXPECT_EQ(title, "Palette Editor");
}

}  // namespace
