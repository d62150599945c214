#include "app/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace vantorel {

QPixmap BallPicture(int size, int frame) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double radius = size / 2.0 - 2;
    painter.setPen(QPen(Qt::black, qMax(1.0, size / 40.0)));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);

    // Five dark patches round a central one, turned a sixth of a patch further in every frame.
    const double turn = frame * (72.0 / kBallFrames);
    auto pentagon = [&](QPointF at, double r, double angle) {
        QPainterPath path;
        for (int k = 0; k < 5; ++k) {
            const double a = qDegreesToRadians(angle + 72.0 * k - 90);
            const QPointF corner = at + QPointF(r * qCos(a), r * qSin(a));
            k == 0 ? path.moveTo(corner) : path.lineTo(corner);
        }
        path.closeSubpath();
        return path;
    };
    painter.setBrush(Qt::black);
    painter.drawPath(pentagon(centre, radius * 0.28, turn));
    for (int k = 0; k < 5; ++k) {
        const double a = qDegreesToRadians(turn + 72.0 * k - 90);
        const QPointF at = centre + QPointF(radius * 0.78 * qCos(a), radius * 0.78 * qSin(a));
        painter.drawPath(pentagon(at, radius * 0.2, turn + 72.0 * k + 180));
        painter.drawLine(centre + QPointF(radius * 0.28 * qCos(a), radius * 0.28 * qSin(a)),
                         centre + QPointF(radius * 0.6 * qCos(a), radius * 0.6 * qSin(a)));
    }
    return picture;
}

} // namespace vantorel
