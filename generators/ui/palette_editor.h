#pragma once
#include <QDialog>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "generators/palette.h"
#include "generators/ui/number_dialog.h"

class Interaction;
class PictureHost;
class QAction;
class QCheckBox;
class QColorDialog;
class QMenuBar;
class cdpalette;

// Menu command ids of the palette editor.
namespace palette_cmd {
inline constexpr int Load = 32783;
inline constexpr int Save = 32784;
inline constexpr int Add = 32785;
inline constexpr int Remove = 32786;
inline constexpr int Modify = 32788;
inline constexpr int RemoveAll = 32821;
inline constexpr int RandomPalette = 32823;
}  // namespace palette_cmd

// The editor's client area under its menu: the "All Color" box, the swatch grid it
// paints itself, and OK and Cancel. Cell i's square, in this widget's pixels, has
// its top-left corner at (32 * (i mod 16), 32 + 32 * (i div 16)) and is 24 x 24.
class PaletteGrid : public QWidget {
    Q_OBJECT
public:
    explicit PaletteGrid(cdpalette& editor);

    static constexpr int kCellPitch = 32;
    static constexpr int kCellSize = 24;
    static constexpr int kGridTop = 32;

    // The cell a press at (x, y) selects, or -1 when it selects nothing.
    static int32_t cellAt(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    cdpalette& editor_;
};

// "Palette Editor": edits a copy of the current palette; OK hands it back together
// with "All Color" as PaintSettings.paletteOff, Cancel forgets it.
class cdpalette : public QDialog {
    Q_OBJECT
public:
    // Asks for a color, preset to `preset` when given; nothing on Cancel.
    using ColorAsker = std::function<std::optional<uint32_t>(std::optional<uint32_t> preset)>;
    using NumberAsker = std::function<NumberAnswer()>;

    // Messages and the clock go through `ui`.
    explicit cdpalette(Interaction& ui, QWidget* parent = nullptr);

    const Palette& workingPalette() const { return working_; }
    int32_t selected() const { return selected_; }
    bool allColor() const;
    QAction* action(int id) const;
    PaletteGrid* grid() const { return grid_; }

    // Seams for tests; by default the editor's own color dialog and the number
    // dialog. Files are asked for through the one file chooser (ui/file_chooser.h).
    void setColorAsker(ColorAsker asker) { askColor_ = std::move(asker); }
    void setNumberAsker(NumberAsker asker) { askNumber_ = std::move(asker); }

    // A press on the grid at (x, y) in its pixels.
    void selectAt(int x, int y);

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class PaletteGrid;
    void buildMenu();
    void loadFile();
    void saveFile();
    void addColor();
    void removeSelected();
    void modifySelected();
    void removeAll();
    void randomPalette();

    Interaction& ui_;
    Palette working_;
    int32_t selected_ = -1;
    QMenuBar* menu_;
    PaletteGrid* grid_;
    QCheckBox* allColor_;
    QColorDialog* colorDialog_;
    ColorAsker askColor_;
    NumberAsker askNumber_;
};

// "Palette ..." (32787): runs the editor modally over the current palette.
void runPaletteCommand(PictureHost& host);
