#include "artwork/pictures/pointercursor.h"

#include <QPainter>
#include <QPainterPath>

QImage PointerCursor::draw(int scale) {
    QImage image(32 * scale, 32 * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    // Drawn about the hot spot: the finger's top edge runs through it.
    const double x = hotSpot().x(), top = hotSpot().y() + 0.75;
    QPainterPath hand;
    auto rounded = [&](double left, double y, double width, double height) {
        QPainterPath part;
        part.addRoundedRect(QRectF(left, y, width, height), width / 2.0, width / 2.0);
        hand = hand.united(part);
    };
    rounded(x - 2.5, top, 5.0, 16.0);       // the pointing finger
    rounded(x + 1.5, top + 9.0, 4.6, 9.0);  // three folded fingers
    rounded(x + 5.3, top + 10.0, 4.4, 8.5);
    rounded(x + 8.9, top + 11.5, 4.0, 7.5);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(x - 4.5, top + 12.0, 17.4, 14.5), 5.0, 5.0);
    hand = hand.united(palm);
    QPainterPath thumb;
    thumb.moveTo(x - 3.5, top + 20.0);
    thumb.lineTo(x - 8.0, top + 13.5);
    thumb.quadTo(x - 9.6, top + 11.0, x - 7.4, top + 10.2);
    thumb.quadTo(x - 5.6, top + 9.8, x - 3.0, top + 13.0);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();

    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    // Creases between the folded fingers.
    painter.setPen(QPen(QColor(0, 0, 0, 110), 1.0));
    painter.drawLine(QPointF(x + 2.0, top + 13.0), QPointF(x + 2.0, top + 15.5));
    painter.drawLine(QPointF(x + 5.7, top + 13.5), QPointF(x + 5.7, top + 16.0));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
