#include "ui/zoom.h"

#include <QLabel>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <optional>

namespace trelvist::ui {

namespace {

// How a widget takes its size at a zoom.
enum class Sizing {
    None,      // the root: its size is the window's
    Window,    // a child window of fixed size: it is sized, and placed where it opens
    Fixed,     // a fixed size, scaled
    ToText,    // a label that fits its text, which the zoomed font sizes
    Geometry,  // everything else: its rectangle, scaled
};

struct LogicalPlace {
    QRect geometry;
    int fontPixels = 0;  // 0 where the font is inherited
    Sizing sizing = Sizing::None;
};

constexpr char kPlaceProperty[] = "trelvist.logicalPlace";
constexpr char kZoomProperty[] = "trelvist.zoom";
constexpr char kOriginProperty[] = "trelvist.origin";

int scaled(int logical, double zoom) { return static_cast<int>(std::lround(logical * zoom)); }

QPoint scaled(QPoint logical, double zoom) { return {scaled(logical.x(), zoom), scaled(logical.y(), zoom)}; }

QSize scaled(QSize logical, double zoom) { return zoomed(QRect(QPoint(), logical), zoom).size(); }

bool hasFixedSize(const QWidget* widget) { return widget->minimumSize() == widget->maximumSize(); }

bool fitsItsText(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label && label->pixmap().isNull();
}

LogicalPlace placeNow(const QWidget* widget, bool isRoot) {
    LogicalPlace place;
    place.geometry = widget->geometry();
    if (widget->testAttribute(Qt::WA_SetFont)) place.fontPixels = std::max(0, widget->font().pixelSize());
    if (isRoot) place.sizing = Sizing::None;
    else if (widget->isWindow()) place.sizing = Sizing::Window;
    else if (hasFixedSize(widget)) place.sizing = Sizing::Fixed;
    else if (fitsItsText(widget)) place.sizing = Sizing::ToText;
    else place.sizing = Sizing::Geometry;
    return place;
}

// Inside a child window that the player sizes (the history window, a menu) the window's own
// layout places the widgets, at the size the player gave it.
bool insideFreeWindow(const QWidget* widget, const QWidget* root) {
    for (const QWidget* w = widget; w && w != root; w = w->parentWidget())
        if (w->isWindow() && !hasFixedSize(w)) return true;
    return false;
}

std::optional<LogicalPlace> recorded(const QWidget* widget) {
    const QVariant value = widget->property(kPlaceProperty);
    if (!value.isValid()) return std::nullopt;
    return value.value<LogicalPlace>();
}

// Where the widgets directly inside `parent` start: the table's origin in the root.
QPoint originIn(const QWidget* parent) {
    const QVariant origin = parent ? parent->property(kOriginProperty) : QVariant();
    return origin.isValid() ? origin.toPoint() : QPoint();
}

void applyFont(QWidget* widget, const LogicalPlace& place, double zoom) {
    if (place.fontPixels == 0) return;
    QFont font = widget->font();  // keeps what the game changed since, such as italics
    font.setPixelSize(std::max(1, scaled(place.fontPixels, zoom)));
    widget->setFont(font);
}

void applyPlace(QWidget* widget, const LogicalPlace& place, double zoom) {
    const QPoint shift = originIn(widget->parentWidget());
    switch (place.sizing) {
    case Sizing::None:
        break;
    case Sizing::Window:
        widget->setFixedSize(scaled(place.geometry.size(), zoom));
        break;
    case Sizing::Fixed:
        widget->setFixedSize(scaled(place.geometry.size(), zoom));
        widget->move(shift + scaled(place.geometry.topLeft(), zoom));
        break;
    case Sizing::ToText:
        widget->move(shift + scaled(place.geometry.topLeft(), zoom));
        widget->adjustSize();
        break;
    case Sizing::Geometry:
        widget->setGeometry(zoomed(place.geometry, zoom).translated(shift));
        break;
    }
}

}  // namespace

QRect zoomed(const QRect& logical, double zoom) {
    const QPoint topLeft = scaled(logical.topLeft(), zoom);
    const QPoint end = scaled(logical.topLeft() + QPoint(logical.width(), logical.height()), zoom);
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

void recordLogicalLayout(QWidget* root) {
    root->setProperty(kPlaceProperty, QVariant::fromValue(placeNow(root, true)));
    for (QWidget* widget : root->findChildren<QWidget*>())
        if (!insideFreeWindow(widget, root))
            widget->setProperty(kPlaceProperty, QVariant::fromValue(placeNow(widget, false)));
}

void applyZoom(QWidget* root, double zoom, QPoint origin) {
    root->setProperty(kZoomProperty, zoom);
    root->setProperty(kOriginProperty, origin);
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    // Fonts first: a label that fits its text takes its size from its font.
    for (QWidget* widget : widgets)
        if (const auto place = recorded(widget)) applyFont(widget, *place, zoom);
    for (QWidget* widget : widgets)
        if (const auto place = recorded(widget)) applyPlace(widget, *place, zoom);
}

double zoomOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant zoom = w->property(kZoomProperty);
        if (zoom.isValid()) return zoom.toDouble();
    }
    return 1.0;
}

void moveLogical(QWidget* widget, QPoint position) {
    std::optional<LogicalPlace> place = recorded(widget);
    if (!place) {
        widget->move(position);
        return;
    }
    place->geometry.moveTopLeft(position);
    widget->setProperty(kPlaceProperty, QVariant::fromValue(*place));
    applyPlace(widget, *place, zoomOf(widget));
}

}  // namespace trelvist::ui
