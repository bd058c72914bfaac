#include "generators/ui/palette_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

#include "core/interaction.h"
#include "core/paint_settings.h"
#include "core/random_sequence.h"
#include "generators/palette_file.h"
#include "generators/random_palette.h"
#include "generators/ui/color_chooser.h"
#include "storage/file_name.h"
#include "ui/file_chooser.h"
#include "ui/picture_host.h"

namespace {

constexpr const char* kPaletteCaption = "KorvintePalette";
constexpr const char* kColorExists = "The color already exist in the palette";
constexpr const char* kDeleteAll = "Delete All Color Palette ?";
constexpr const char* kPaletteFilter = "*.vpal (*.vpal)";

// The palette's file dialog. Saving, it adds the extension itself, so that it asks
// before replacing that file.
QStringList askPaletteFile(QWidget* parent, const FileRequest& request) {
    const bool save = request.kind == FileDialogKind::Save;
    QFileDialog dialog(parent, QString(), QString(), request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) dialog.setDefaultSuffix(QStringLiteral("vpal"));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().mid(0, 1);
}

constexpr int kColumns = 16;

// Dialog units of the editor's font: a quarter of the average character width
// across, an eighth of the character height down.
QRect dialogUnits(const QFontMetrics& fm, int x, int y, int w, int h) {
    const int baseX =
        (fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) + 26) / 52;
    const int baseY = fm.height();
    auto across = [&](int v) { return (v * baseX + 2) / 4; };
    auto down = [&](int v) { return (v * baseY + 4) / 8; };
    return QRect(across(x), down(y), across(w), down(h));
}

QRect cellSquare(int32_t i) {
    return QRect(PaletteGrid::kCellPitch * (i % kColumns),
                 PaletteGrid::kGridTop + PaletteGrid::kCellPitch * (i / kColumns), PaletteGrid::kCellSize,
                 PaletteGrid::kCellSize);
}

}  // namespace

PaletteGrid::PaletteGrid(cdpalette& editor) : QWidget(&editor), editor_(editor) {
    setObjectName(QStringLiteral("paletteGrid"));
    // Clicking the grid takes the focus from the buttons, so Delete reaches the editor.
    setFocusPolicy(Qt::ClickFocus);
}

int32_t PaletteGrid::cellAt(int x, int y) {
    if (y <= kGridTop || x < 0) return -1;
    const int column = x / kCellPitch;
    if (column >= kColumns) return -1;
    // Gaps belong to the cell to their left or above; rows past the sixteenth wrap
    // round to the first, as the cell number keeps its low 8 bits.
    return ((y - kGridTop) / kCellPitch * kColumns + column) & 0xFF;
}

void PaletteGrid::paintEvent(QPaintEvent*) {
    if (editor_.allColor()) return;
    QPainter painter(this);
    const Palette& p = editor_.working_;
    for (int32_t i = 0; i < p.count && i < Palette::kCapacity; ++i) {
        const QRect square = cellSquare(i);
        painter.fillRect(square, QColor(p.colors[i].red, p.colors[i].green, p.colors[i].blue));
        if (i != editor_.selected_) continue;
        painter.setPen(QPen(Qt::red, 2));
        const int l = square.left(), t = square.top(), r = l + kCellSize, b = t + kCellSize;
        const QPoint outline[] = {{l, t}, {r, t}, {r, b}, {l, b}, {l, t}};
        painter.drawPolyline(outline, 5);
    }
}

void PaletteGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        editor_.selectAt(at.x(), at.y());
    }
    QWidget::mousePressEvent(event);
}

cdpalette::cdpalette(Interaction& ui, QWidget* parent)
    : QDialog(parent), ui_(ui), menu_(new QMenuBar(this)), grid_(new PaletteGrid(*this)) {
    setWindowTitle(QStringLiteral("Palette Editor"));
    // The working copy takes the current palette's entries; the cells past them start black.
    const Palette& current = currentPalette();
    working_.count = current.count;
    for (int32_t i = 0; i < current.count && i < Palette::kCapacity; ++i) working_.colors[i] = current.colors[i];
    buildMenu();

    // Placed in dialog units as the editor is laid out; the grid needs 16 cells of
    // 32 pixels each way below its 32-pixel top band, whatever the font.
    const QFontMetrics fm(font());
    allColor_ = new QCheckBox(QStringLiteral("All Color"), grid_);
    allColor_->setToolTip(QStringLiteral("Checked: shapes take random colours; unchecked: colours of this palette"));
    allColor_->setObjectName(QStringLiteral("check1014"));
    // Ends where the grid begins, so that no press meant for the first row of
    // cells reaches the box instead (a tall font would otherwise carry it over).
    QRect box = dialogUnits(fm, 0, 6, 66, 12);
    box.setBottom(std::min(box.bottom(), PaletteGrid::kGridTop - 1));
    allColor_->setGeometry(box);
    auto* ok = new QPushButton(QStringLiteral("OK"), grid_);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), grid_);
    cancel->setObjectName(QStringLiteral("cancel"));
    const int gridBottom = PaletteGrid::kGridTop + kColumns * PaletteGrid::kCellPitch;
    QRect okRect = dialogUnits(fm, 347, 340, 50, 14), cancelRect = dialogUnits(fm, 445, 340, 50, 14);
    const int below = std::max(0, gridBottom + 8 - okRect.top());
    okRect.translate(0, below);
    cancelRect.translate(0, below);
    ok->setGeometry(okRect);
    cancel->setGeometry(cancelRect);
    const QRect client = dialogUnits(fm, 0, 0, 502, 361);
    grid_->setMinimumSize(
        std::max(client.width(), std::max(cancelRect.right() + 8, kColumns * PaletteGrid::kCellPitch)),
        std::max(client.height(), cancelRect.bottom() + 8));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(allColor_, &QCheckBox::clicked, grid_, [this] { grid_->update(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menu_);
    layout->addWidget(grid_);

    // One color dialog for the editor's life, so that its custom colors stay.
    colorDialog_ = new QColorDialog(this);
    askColor_ = [this](std::optional<uint32_t> preset) -> std::optional<uint32_t> {
        if (preset) colorDialog_->setCurrentColor(qcolorFromPacked(*preset));
        if (colorDialog_->exec() != QDialog::Accepted) return std::nullopt;
        return packedFromQColor(colorDialog_->selectedColor());
    };
    askNumber_ = [this] { return askNumber(this); };

    allColor_->setChecked(paintSettings().paletteOff == 1);
}

void cdpalette::buildMenu() {
    auto add = [this](QMenu* menu, const char* text, int id, void (cdpalette::*handler)()) {
        QAction* a = menu->addAction(QString::fromLatin1(text));
        a->setData(id);
        connect(a, &QAction::triggered, this, handler);
    };
    QMenu* file = menu_->addMenu(QStringLiteral("File"));
    add(file, "Load ...", palette_cmd::Load, &cdpalette::loadFile);
    add(file, "Save ...", palette_cmd::Save, &cdpalette::saveFile);
    QMenu* palette = menu_->addMenu(QStringLiteral("Palette"));
    add(palette, "Add", palette_cmd::Add, &cdpalette::addColor);
    add(palette, "Remove", palette_cmd::Remove, &cdpalette::removeSelected);
    add(palette, "Modify", palette_cmd::Modify, &cdpalette::modifySelected);
    palette->addSeparator();
    add(palette, "Remove All", palette_cmd::RemoveAll, &cdpalette::removeAll);
    palette->addSeparator();
    QMenu* runtime = palette->addMenu(QStringLiteral("Runtime"));
    add(runtime, "Make a random color palette ....", palette_cmd::RandomPalette, &cdpalette::randomPalette);
}

bool cdpalette::allColor() const { return allColor_->isChecked(); }

QAction* cdpalette::action(int id) const {
    for (QAction* a : menu_->findChildren<QAction*>())
        if (!a->menu() && a->data().toInt() == id) return a;
    return nullptr;
}

void cdpalette::selectAt(int x, int y) {
    const int32_t cell = PaletteGrid::cellAt(x, y);
    if (cell < 0) return;
    selected_ = cell;
    grid_->repaint();
}

void cdpalette::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && selected_ != -1) {
        removePaletteEntry(working_, selected_);
        // The same index now shows the next color, if there is one.
        if (selected_ >= working_.count) selected_ = -1;
        grid_->update();
    }
    QDialog::keyPressEvent(event);
}

void cdpalette::loadFile() {
    if (const std::optional<std::string> path =
            chooseFile(this, {FileDialogKind::Open, kPaletteFilter, askPaletteFile})) {
        loadPaletteFile(*path, working_);
        grid_->update();
    }
}

void cdpalette::saveFile() {
    const std::optional<std::string> chosen = chooseFile(this, {FileDialogKind::Save, kPaletteFilter, askPaletteFile});
    if (!chosen) return;
    // A name typed without an extension is a palette file all the same.
    const std::string path = withDefaultExtension(*chosen, ".vpal");
    std::string error;
    // The old file stays whole when the save fails; the user hears why.
    if (!savePaletteFile(path, working_, &error))
        ui_.showMessage("Cannot save the palette to " + path + ": " + error, kPaletteCaption, Interaction::Icon::Error);
}

void cdpalette::addColor() {
    const std::optional<uint32_t> chosen = askColor_(std::nullopt);
    if (!chosen) return;
    addPaletteColor(working_, shapeColorFromPacked(*chosen));  // a full palette stays as it is
    allColor_->setChecked(false);
    grid_->update();
}

void cdpalette::removeSelected() {
    if (selected_ == -1) return;
    removePaletteEntry(working_, selected_);
    selected_ = -1;
    grid_->update();
}

void cdpalette::modifySelected() {
    if (selected_ == -1) return;
    ShapeColor& cell = working_.colors[selected_];
    for (;;) {
        const std::optional<uint32_t> chosen = askColor_(packShapeColor(cell));
        if (!chosen) return;
        const ShapeColor color = shapeColorFromPacked(*chosen);
        if (paletteHolds(working_, color)) {
            ui_.showMessage(kColorExists, kPaletteCaption, Interaction::Icon::Error);
            continue;
        }
        // A cell past the last entry takes the color without joining the palette.
        cell = color;
        grid_->update();
        return;
    }
}

void cdpalette::removeAll() {
    if (!ui_.askYesNo(kDeleteAll, kPaletteCaption, Interaction::Icon::Warning)) return;
    working_.count = 0;
    grid_->update();
}

void cdpalette::randomPalette() {
    const NumberAnswer answer = askNumber_();
    if (!answer.ok) return;
    // A palette that fills up ends the run with "All Color" as it was.
    if (addRandomPaletteColors(working_, answer.number, clockSeed(ui_))) allColor_->setChecked(false);
    grid_->update();
}

void cdpalette::accept() {
    paintSettings().paletteOff = allColor_->isChecked() ? 1 : 0;
    Palette& current = currentPalette();
    current.count = working_.count;
    for (int32_t i = 0; i < working_.count && i < Palette::kCapacity; ++i) current.colors[i] = working_.colors[i];
    QDialog::accept();
}

void runPaletteCommand(PictureHost& host) {
    cdpalette editor(host.interaction(), host.dialogParent());
    editor.exec();
}
