#include "app/picture_view.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "ui/view_wheel.h"

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

QSize PictureView::shownSize() const {
    if (image_.isNull()) return QSize(0, 0);
    return QSize(image_.width() / zoom_, image_.height() / zoom_);
}

void PictureView::layoutControls(const QSize* pictureSize) {
    if (pictureSize) {
        hbar_->setRange(0, pictureSize->width());
        vbar_->setRange(0, pictureSize->height());
    }
    placeBars();
}

// A bar is needed when the zoomed picture is larger than the room beside the other
// bar; a bar that goes away takes its offset back to the start, where the picture fits.
void PictureView::placeBars() {
    const QSize shown = shownSize() / devicePixelRatioF();
    bool needH = false, needV = false;
    for (int pass = 0; pass < 2; ++pass) {
        needH = shown.width() > width() - (needV ? kBarThickness : 0);
        needV = shown.height() > height() - (needH ? kBarThickness : 0);
    }
    const int W = width(), H = height();
    hbar_->setGeometry(0, H - kBarThickness, W - (needV ? kBarThickness : 0), kBarThickness);
    vbar_->setGeometry(W - kBarThickness, 0, kBarThickness, H - (needH ? kBarThickness : 0));
    hbar_->setVisible(needH);
    vbar_->setVisible(needV);
    if (!needH && hbar_->value() != 0) hbar_->setValue(0);
    if (!needV && vbar_->value() != 0) vbar_->setValue(0);
}

QRect PictureView::pictureArea() const {
    return QRect(0, 0, width() - (vbar_->isHidden() ? 0 : kBarThickness),
                 height() - (hbar_->isHidden() ? 0 : kBarThickness));
}

void PictureView::setDisplayImage(QImage image, int zoom) {
    image_ = std::move(image);
    zoom_ = zoom < 1 ? 1 : zoom;
    placeBars();
    if (anchored_) {
        // Ctrl+wheel: the point that was under the pointer stays there at the new zoom.
        const qreal ratio = devicePixelRatioF();
        const QPointF cell = anchorPicture_ / zoom_ - QPointF(anchorClient_) * ratio;
        setScroll(qBound(hbar_->minimum(), qRound(cell.x()), hbar_->maximum()),
                  qBound(vbar_->minimum(), qRound(cell.y()), vbar_->maximum()));
        placeBars();
    }
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
    // Without a picture the view is a plain dialog.
    if (image_.isNull()) return;
    const QRect area = pictureArea();
    painter.fillRect(area, viewSurroundColor(*this));
    // The bars' ranges reach the picture's full size, so an offset can pass the image.
    const QSize shown = shownSize();
    const QRect source = QRect(scrollX_, scrollY_, shown.width(), shown.height()) & QRect(QPoint(0, 0), shown);
    if (source.isEmpty()) return;
    // The picture stays left of and above the bars: the square between them is
    // not part of the view.
    painter.setClipRect(area);
    // One display pixel to one device pixel, so that zoom 1 shows every picture
    // pixel on its own screen pixel also where the screen is scaled.
    const qreal ratio = devicePixelRatioF();
    painter.drawImage(QRectF(0, 0, source.width() / ratio, source.height() / ratio), image_, source);
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeBars();
    emit resized();
}

void PictureView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        const int notches = wheelNotches(*event, pendingWheel_);
        event->accept();
        if (notches == 0 || image_.isNull()) return;
        const QPoint client = event->position().toPoint();
        anchorClient_ = client;
        anchorPicture_ = (QPointF(client) * devicePixelRatioF() + QPointF(scrollX_, scrollY_)) * zoom_;
        anchored_ = true;
        const int step = notches > 0 ? 1 : -1;
        for (int n = 0; n < std::abs(notches); ++n) emit zoomStepRequested(step);
        anchored_ = false;
        return;
    }
    if (scrollViewByWheel(*event, hbar_, vbar_)) {
        event->accept();
        return;
    }
    QWidget::wheelEvent(event);
}
