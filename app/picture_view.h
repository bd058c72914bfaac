#pragma once
#include <QImage>
#include <QPoint>
#include <QWidget>

class QScrollBar;

// The client area of the main window: the display image drawn at the origin from
// the scroll offsets, a horizontal bar along the bottom and a vertical one along
// the right, each 24 pixels thick, each shown only while the zoomed picture does not
// fit beside the other. Around the zoomed picture lies the style's dark background.
// The wheel scrolls (Shift: sideways); Ctrl+wheel asks for a zoom step and, once the
// new image comes, keeps the picture point under the pointer where it was.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Places the bars; with a picture size, sets their ranges to 0..width and 0..height.
    void layoutControls(const QSize* pictureSize);

    // The image and the zoom it was built at: the cells of the zoomed picture are the
    // image's first width / zoom columns and height / zoom rows.
    void setDisplayImage(QImage image, int zoom = 1);
    const QImage& displayImage() const { return image_; }
    // The part of the display image that shows the picture.
    QSize shownSize() const;

    int scrollX() const { return scrollX_; }
    int scrollY() const { return scrollY_; }
    void setScroll(int x, int y);

    QScrollBar* horizontalBar() const { return hbar_; }
    QScrollBar* verticalBar() const { return vbar_; }

signals:
    void resized();
    // One step of the window's zoom: +1 closer ("In"), -1 farther ("Out").
    void zoomStepRequested(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void placeBars();
    QRect pictureArea() const;

    QImage image_;
    int zoom_ = 1;
    QScrollBar* hbar_;
    QScrollBar* vbar_;
    int scrollX_ = 0;
    int scrollY_ = 0;
    int pendingWheel_ = 0;
    // The picture point (in picture pixels) a Ctrl+wheel zoom keeps under the pointer.
    bool anchored_ = false;
    QPointF anchorPicture_;
    QPoint anchorClient_;
};
