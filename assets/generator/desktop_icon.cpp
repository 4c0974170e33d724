#include "desktop_icon.h"

#include "suit_shapes.h"
#include "textures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace trelvist::assets::generator {
namespace {

// Both forms are drawn on one 32 x 32 grid, the size of the window icon.
constexpr double kGrid = 32;
const QRectF kTile(1.5, 1.5, 29, 29);  // the rim's centre line
constexpr double kCorner = 4.5;
constexpr double kSpadeHeight = 22;
const QPointF kSpadeCentre(16, 16.5);
const QPointF kShadowOffset(0.8, 0.8);

const QColor kRimLight(150, 180, 255);
const QColor kRimDark(6, 12, 60);
const QColor kShadow(0, 0, 30, 150);
// The blue texture's lighter and darker patches, for the drawing that has no texture.
const QColor kFieldLight(38, 70, 206);
const QColor kFieldDark(22, 42, 130);

QPainterPath tile() {
    QPainterPath path;
    path.addRoundedRect(kTile, kCorner, kCorner);
    return path;
}

QPainterPath spadeAt(QPointF centre) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(kSpadeHeight, kSpadeHeight);
    return t.map(curvedSpade());
}

QLinearGradient diagonal(const QColor& from, const QColor& to) {
    QLinearGradient gradient(kTile.topLeft(), kTile.bottomRight());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

QString number(double value) { return QString::number(std::round(value * 100) / 100, 'g', 6); }

QString svgColour(const QColor& colour) { return colour.name(QColor::HexRgb); }

QString svgPathData(const QPainterPath& path) {
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = number(e.x) + " " + number(e.y);
        if (e.isMoveTo()) data += (i ? "Z M" : "M") + point;
        else if (e.isLineTo()) data += " L" + point;
        else if (e.isCurveTo()) data += " C" + point;
        else data += " " + point;  // the further points of a curve
    }
    return data + "Z";
}

QString svgGradient(const char* id, const QColor& from, const QColor& to) {
    return QString("<linearGradient id=\"%1\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">"
                   "<stop offset=\"0\" stop-color=\"%2\"/><stop offset=\"1\" stop-color=\"%3\"/>"
                   "</linearGradient>\n")
        .arg(id, svgColour(from), svgColour(to));
}

}  // namespace

QImage desktopIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    QBrush field(blueTexture(size, size, 5));
    field.setTransform(QTransform::fromScale(kGrid / size, kGrid / size));  // one texel a pixel
    p.fillPath(tile(), field);
    p.strokePath(tile(), QPen(QBrush(diagonal(kRimLight, kRimDark)), 1));
    p.fillPath(spadeAt(kSpadeCentre + kShadowOffset), kShadow);
    p.fillPath(spadeAt(kSpadeCentre), Qt::white);
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

QByteArray desktopIconSvg() {
    QString svg = QString("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n<defs>\n")
                      .arg(kGrid);
    svg += svgGradient("field", kFieldLight, kFieldDark);
    svg += svgGradient("rim", kRimLight, kRimDark);
    svg += "</defs>\n";
    svg += QString("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                   "fill=\"url(#field)\" stroke=\"url(#rim)\"/>\n")
               .arg(number(kTile.x()), number(kTile.y()), number(kTile.width()),
                    number(kTile.height()), number(kCorner));
    svg += QString("<path fill=\"%1\" fill-opacity=\"%2\" d=\"%3\"/>\n")
               .arg(svgColour(kShadow), number(kShadow.alphaF()),
                    svgPathData(spadeAt(kSpadeCentre + kShadowOffset)));
    svg += QString("<path fill=\"#ffffff\" d=\"%1\"/>\n").arg(svgPathData(spadeAt(kSpadeCentre)));
    svg += "</svg>\n";
    return svg.toUtf8();
}

}  // namespace trelvist::assets::generator
