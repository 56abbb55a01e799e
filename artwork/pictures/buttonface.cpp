#include "artwork/pictures/buttonface.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include "artwork/pictures/artcolours.h"

QFont ButtonFace::captionFont(const QString& caption, QSize size) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(size.height() * 0.48));
    while (QFontMetricsF(font).horizontalAdvance(caption) > size.width() - 16 &&
           font.pixelSize() > 8)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QImage ButtonFace::draw(const QString& caption, QSize size, int scale, Edge edge) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(artcolours::window);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF plate = QRectF(QPointF(), size).adjusted(0.75, 0.75, -0.75, -0.75);
    // A square plate keeps a slight rounding inside its rim only.
    const double radius = edge == Edge::Rounded ? size.height() * 0.24 : 0;
    QLinearGradient light(plate.topLeft(), plate.bottomLeft());
    light.setColorAt(0.0, QColor(104, 146, 232));
    light.setColorAt(0.5, QColor(66, 106, 206));
    light.setColorAt(1.0, QColor(46, 78, 176));
    painter.setPen(QPen(QColor(18, 32, 92), 1.5));
    painter.setBrush(light);
    painter.drawRoundedRect(plate, radius, radius);
    // A thin light rim along the top makes the plate look raised.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    painter.setBrush(Qt::NoBrush);
    const double rim = edge == Edge::Rounded ? radius - 1.5 : 2.0;
    painter.drawRoundedRect(plate.adjusted(1.5, 1.5, -1.5, -1.5), rim, rim);

    painter.setFont(captionFont(caption, size));
    painter.setPen(QColor(10, 20, 60, 190));
    painter.drawText(plate.translated(0, 1.2), Qt::AlignCenter, caption);
    painter.setPen(artcolours::caption);
    painter.drawText(plate, Qt::AlignCenter, caption);
    return image;
}
