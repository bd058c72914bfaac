#pragma once
#include <QWidget>

struct PreviewDisplay;

// The preview's client area: paints the display image from the scroll offsets at
// (0, 32), below the "Cadre Resolution" check box, and reports the pointer in its own
// coordinates. The check box and the scroll bars are its children.
class PreviewArea : public QWidget {
    Q_OBJECT
public:
    explicit PreviewArea(QWidget* parent = nullptr);

    // The image to paint (owned by the preview window); null paints nothing.
    void setDisplay(const PreviewDisplay* display) { display_ = display; }
    void setScroll(int x, int y);
    int scrollX() const { return scrollX_; }
    int scrollY() const { return scrollY_; }

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
    const PreviewDisplay* display_ = nullptr;
    int scrollX_ = 0;
    int scrollY_ = 0;
};
