#include "generators/ui/color_button.h"

#include <QColorDialog>
#include <QPainter>

cdbtncolor::cdbtncolor(QWidget* parent) : QPushButton(parent) {
    // Enter in the owning dialog means OK, also when the swatch has the focus.
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &cdbtncolor::choose);
}

void cdbtncolor::setColor(uint32_t packed) {
    color_ = packed;
    update();
}

QSize cdbtncolor::sizeHint() const { return QSize(48, 24); }

void cdbtncolor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), qcolorFromPacked(color_));
}

std::optional<uint32_t> cdbtncolor::runOwnDialog() {
    if (!dialog_) dialog_ = new QColorDialog(this);
    if (dialog_->exec() != QDialog::Accepted) return std::nullopt;
    return packedFromQColor(dialog_->selectedColor());
}

void cdbtncolor::choose() {
    const std::optional<uint32_t> chosen = chooser_ ? chooser_(this) : runOwnDialog();
    if (!chosen) return;
    color_ = *chosen;
    // Show the new color at once, before whatever the owner does next.
    repaint();
    emit colorChosen(color_);
}
