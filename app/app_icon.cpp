#include "app/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
// In units of the icon's side.
struct Disc {
    double x, y, r;
    QColor color;
};

// Discs cut by the edges reappear at the opposite edge.
const Disc kDiscs[] = {
    {0.0, 0.0, 0.42, QColor(40, 110, 200)},   {1.0, 0.0, 0.42, QColor(40, 110, 200)},
    {0.0, 1.0, 0.42, QColor(40, 110, 200)},   {1.0, 1.0, 0.42, QColor(40, 110, 200)},
    {0.55, 0.55, 0.30, QColor(230, 120, 30)}, {0.25, 0.70, 0.16, QColor(60, 170, 80)},
    {0.72, 0.22, 0.14, QColor(200, 40, 60)},
};
const QColor kBackground(250, 250, 245);
const QColor kBorder(90, 90, 90);
constexpr double kCornerRadius = 0.12;
constexpr double kBorderWidth = 0.03;
}  // namespace

QImage appIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const double inset = kBorderWidth * s / 2;
    const QRectF tile(inset, inset, s - 2 * inset, s - 2 * inset);
    QPainterPath outline;
    outline.addRoundedRect(tile, kCornerRadius * s, kCornerRadius * s);
    p.setClipPath(outline);
    p.fillRect(tile, kBackground);
    p.setPen(Qt::NoPen);
    for (const Disc& d : kDiscs) {
        p.setBrush(d.color);
        p.drawEllipse(QPointF(d.x * s, d.y * s), d.r * s, d.r * s);
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBorder, kBorderWidth * s));
    p.drawPath(outline);
    return image;
}

QByteArray appIconSvg() {
    constexpr int kSide = 256;
    const double inset = kBorderWidth * kSide / 2;
    const double side = kSide - 2 * inset;
    const double radius = kCornerRadius * kSide;
    QString svg = QString(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                      "  <defs><clipPath id=\"tile\"><rect x=\"%2\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"%4\"/>"
                      "</clipPath></defs>\n"
                      "  <g clip-path=\"url(#tile)\">\n"
                      "    <rect x=\"0\" y=\"0\" width=\"%1\" height=\"%1\" fill=\"%5\"/>\n")
                      .arg(kSide)
                      .arg(inset)
                      .arg(side)
                      .arg(radius)
                      .arg(kBackground.name());
    for (const Disc& d : kDiscs) {
        svg += QString("    <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                   .arg(d.x * kSide)
                   .arg(d.y * kSide)
                   .arg(d.r * kSide)
                   .arg(d.color.name());
    }
    svg += QString(
               "  </g>\n"
               "  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" fill=\"none\" stroke=\"%4\" "
               "stroke-width=\"%5\"/>\n"
               "</svg>\n")
               .arg(inset)
               .arg(side)
               .arg(radius)
               .arg(kBorder.name())
               .arg(kBorderWidth * kSide);
    return svg.toUtf8();
}

QIcon appIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) i.addPixmap(QPixmap::fromImage(appIconImage(size)));
        return i;
    }();
    return icon;
}
