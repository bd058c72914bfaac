#include "app/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace {
QPixmap tile(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(QColor(250, 250, 245));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double s = size;
    // Discs cut by the edges reappear at the opposite edge, as on a connectable picture.
    struct Disc { double x, y, r; QColor c; };
    const Disc discs[] = {
        {0.0, 0.0, 0.42, QColor(40, 110, 200)},   {1.0, 0.0, 0.42, QColor(40, 110, 200)},
        {0.0, 1.0, 0.42, QColor(40, 110, 200)},   {1.0, 1.0, 0.42, QColor(40, 110, 200)},
        {0.55, 0.55, 0.30, QColor(230, 120, 30)}, {0.25, 0.70, 0.16, QColor(60, 170, 80)},
        {0.72, 0.22, 0.14, QColor(200, 40, 60)},
    };
    for (const Disc& d : discs) {
        p.setBrush(d.c);
        p.drawEllipse(QPointF(d.x * s, d.y * s), d.r * s, d.r * s);
    }
    return pixmap;
}
} // namespace

QIcon appIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48, 64}) i.addPixmap(tile(size));
        return i;
    }();
    return icon;
}
