#pragma once
#include <QImage>
#include <QWidget>

class QScrollBar;

// The client area of the main window: the display image drawn at the origin from
// the scroll offsets, a horizontal bar along the bottom and a vertical one along
// the right, each 24 pixels thick.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Places the bars; with a picture size, sets their ranges to 0..width and 0..height.
    void layoutControls(const QSize* pictureSize);

    void setDisplayImage(QImage image);
    const QImage& displayImage() const { return image_; }

    int scrollX() const { return scrollX_; }
    int scrollY() const { return scrollY_; }
    void setScroll(int x, int y);

    QScrollBar* horizontalBar() const { return hbar_; }
    QScrollBar* verticalBar() const { return vbar_; }

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
    QScrollBar* hbar_;
    QScrollBar* vbar_;
    int scrollX_ = 0;
    int scrollY_ = 0;
};
