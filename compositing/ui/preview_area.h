#pragma once
#include <QWidget>

struct PreviewDisplay;

// The preview's client area: paints the display image from the scroll offsets at
// (0, 32), below the "Cadre Resolution" check box, on the style's dark background, and
// reports the pointer in its own coordinates. The check box and the scroll bars are its
// children; the square between the bars stays clear.
class PreviewArea : public QWidget {
    Q_OBJECT
public:
    explicit PreviewArea(QWidget* parent = nullptr);

    // The image to paint (owned by the preview window); null paints nothing.
    void setDisplay(const PreviewDisplay* display) { display_ = display; }
    void setScroll(int x, int y);
    int scrollX() const { return scrollX_; }
    int scrollY() const { return scrollY_; }

    // Whether the copies reach past the image area across and down: only then does the
    // wheel scroll that way.
    bool scrollsAcross() const;
    bool scrollsDown() const;

signals:
    void pointerMoved(QPoint client);
    void leftPressed(QPoint client);
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Where the image may be painted: below the check box, beside the shown bars.
    QRect imageArea() const;

    const PreviewDisplay* display_ = nullptr;

    int scrollX_ = 0;
    int scrollY_ = 0;
};
