#include "compositing/ui/preview_area.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "compositing/preview_display.h"
#include "compositing/preview_geometry.h"
#include "ui/view_wheel.h"

PreviewArea::PreviewArea(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(2 * kPreviewBarThickness, kPreviewImageTop + 2 * kPreviewBarThickness);
}

void PreviewArea::setScroll(int x, int y) {
    scrollX_ = x;
    scrollY_ = y;
}

// The bars are always there (each moves the image by single display pixels), and the
// image never shows beneath them nor in the square between them.
QRect PreviewArea::imageArea() const {
    return QRect(0, kPreviewImageTop, width() - kPreviewBarThickness,
                 height() - kPreviewImageTop - kPreviewBarThickness);
}

bool PreviewArea::scrollsAcross() const {
    return display_ && !display_->pixels.empty() && display_->shownWidth() > imageArea().width();
}

bool PreviewArea::scrollsDown() const {
    return display_ && !display_->pixels.empty() && display_->shownHeight() > imageArea().height();
}

void PreviewArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!display_ || display_->empty() || display_->pixels.empty()) return;
    const QRect area = imageArea();
    painter.fillRect(area, viewSurroundColor(*this));
    // The display image's own rows, read in place: blue, green, red bytes.
    const QImage image(display_->pixels.data(), display_->width, display_->height, qsizetype(display_->stride),
                       QImage::Format_BGR888);
    // Three copies wide and high from the scroll offsets; whatever lies past the
    // image (the bars reach three picture sizes at every zoom) stays empty.
    const QRect source = QRect(scrollX_, scrollY_, display_->shownWidth(), display_->shownHeight()) & image.rect();
    if (source.isEmpty()) return;
    painter.setClipRect(area);
    painter.drawImage(QPoint(0, kPreviewImageTop), image, source);
}

void PreviewArea::mouseMoveEvent(QMouseEvent* event) { emit pointerMoved(event->position().toPoint()); }

void PreviewArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit leftPressed(event->position().toPoint());
}

void PreviewArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}
