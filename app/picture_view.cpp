#include "app/picture_view.h"

#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int kBarThickness = 24;
}

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    hbar_ = new QScrollBar(Qt::Horizontal, this);
    vbar_ = new QScrollBar(Qt::Vertical, this);
    hbar_->setObjectName("scroll1044");
    vbar_->setObjectName("scroll1045");
    hbar_->setRange(0, 0);
    vbar_->setRange(0, 0);
    // The bars' own line and page steps do the clamping of every scroll request.
    connect(hbar_, &QScrollBar::valueChanged, this, [this](int v) {
        scrollX_ = v;
        repaint();
    });
    connect(vbar_, &QScrollBar::valueChanged, this, [this](int v) {
        scrollY_ = v;
        repaint();
    });
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMinimumSize(2 * kBarThickness, 2 * kBarThickness);
}

void PictureView::layoutControls(const QSize* pictureSize) {
    const int W = width();
    const int H = height();
    hbar_->setGeometry(0, H - kBarThickness, W - kBarThickness, kBarThickness);
    vbar_->setGeometry(W - kBarThickness, 0, kBarThickness, H - kBarThickness);
    hbar_->show();
    vbar_->show();
    if (pictureSize) {
        hbar_->setRange(0, pictureSize->width());
        vbar_->setRange(0, pictureSize->height());
    }
}

void PictureView::setDisplayImage(QImage image) {
    image_ = std::move(image);
    update();
}

void PictureView::setScroll(int x, int y) {
    scrollX_ = x;
    scrollY_ = y;
    QSignalBlocker bh(hbar_), bv(vbar_);
    hbar_->setValue(x);
    vbar_->setValue(y);
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // The bars' ranges reach the picture's full size, so an offset can pass the image.
    const QRect source = QRect(scrollX_, scrollY_, image_.width(), image_.height()) & image_.rect();
    if (image_.isNull() || source.isEmpty()) return;
    // The picture stays left of and above the bars: the square between them is
    // not part of the view.
    painter.setClipRect(QRect(0, 0, width() - kBarThickness, height() - kBarThickness));
    // One display pixel to one device pixel, so that zoom 1 shows every picture
    // pixel on its own screen pixel also where the screen is scaled.
    const qreal ratio = devicePixelRatioF();
    painter.drawImage(QRectF(0, 0, source.width() / ratio, source.height() / ratio), image_, source);
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}
