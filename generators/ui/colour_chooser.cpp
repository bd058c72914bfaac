#include "generators/ui/colour_chooser.h"

#include <QColorDialog>
#include <utility>

uint32_t packedFromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return uint32_t(rgb.red()) | (uint32_t(rgb.green()) << 8) | (uint32_t(rgb.blue()) << 16);
}

QColor qcolorFromPacked(uint32_t packed) {
    return QColor(int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF));
}

std::optional<uint32_t> runStandardColourDialog(QWidget* parent) {
    QColorDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return packedFromQColor(dialog.selectedColor());
}

namespace {
ColourChooser& currentChooser() {
    static ColourChooser chooser;
    return chooser;
}
}  // namespace

ColourChooser setColourChooser(ColourChooser chooser) { return std::exchange(currentChooser(), std::move(chooser)); }

std::optional<uint32_t> chooseColour(QWidget* parent) {
    const ColourChooser& chooser = currentChooser();
    if (chooser) return chooser(parent);
    return runStandardColourDialog(parent);
}
