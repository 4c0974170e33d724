#include "app_icon.h"

#include "suit_shapes.h"
#include "textures.h"

#include <QPainter>

namespace trelvist::assets::generator {

QImage appIcon(int size) {
    QImage icon = blueTexture(size, size, 5);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 32.0;
    // A bevelled edge: light above and left, dark below and right.
    p.setPen(QPen(QColor(150, 180, 255), unit));
    p.drawLine(QPointF(unit / 2, size - unit / 2), QPointF(unit / 2, unit / 2));
    p.drawLine(QPointF(unit / 2, unit / 2), QPointF(size - unit / 2, unit / 2));
    p.setPen(QPen(QColor(6, 12, 60), unit));
    p.drawLine(QPointF(size - unit / 2, unit / 2), QPointF(size - unit / 2, size - unit / 2));
    p.drawLine(QPointF(size - unit / 2, size - unit / 2), QPointF(unit / 2, size - unit / 2));
    const QPointF centre(size / 2.0, size / 2.0 + unit * 0.5);
    drawPip(p, Spades, centre + QPointF(unit * 0.8, unit * 0.8), size * 0.74, false, QColor(0, 0, 30, 150));
    drawPip(p, Spades, centre, size * 0.74, false, Qt::white);
    return icon.convertToFormat(QImage::Format_RGB888);
}

}  // namespace trelvist::assets::generator
