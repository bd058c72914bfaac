#include "generators/ui/color_chooser.h"

#include <QColorDialog>
#include <utility>

uint32_t packedFromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return uint32_t(rgb.red()) | (uint32_t(rgb.green()) << 8) | (uint32_t(rgb.blue()) << 16);
}

QColor qcolorFromPacked(uint32_t packed) {
    return QColor(int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF));
}

std::optional<uint32_t> runStandardColorDialog(QWidget* parent) {
    QColorDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return packedFromQColor(dialog.selectedColor());
}

namespace {
ColorChooser& currentChooser() {
    static ColorChooser chooser;
    return chooser;
}
}  // namespace

ColorChooser setColorChooser(ColorChooser chooser) { return std::exchange(currentChooser(), std::move(chooser)); }

std::optional<uint32_t> chooseColor(QWidget* parent) {
    const ColorChooser& chooser = currentChooser();
    if (chooser) return chooser(parent);
    return runStandardColorDialog(parent);
}
