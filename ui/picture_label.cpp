#include "ui/picture_label.h"

#include <QPixmap>

#include "ui/zoom.h"

namespace trelvist::ui {

PictureLabel::PictureLabel(QWidget* parent, Drawing draw) : QLabel(parent), draw_(draw) {
    setObjectName("Image1");
    // The picture is shown at its own size; where it ends, the window's colour shows.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    showAt(devicePixelRatioF());
}

void PictureLabel::showAt(double scale) {
    scale_ = scale;
    QPixmap picture = QPixmap::fromImage(draw_(scale));
    // The pixmap's ratio turns its device pixels into the label's own units.
    picture.setDevicePixelRatio(devicePixelRatioF());
    setPixmap(picture);
}

void PictureLabel::paintEvent(QPaintEvent* event) {
    const double scale = zoomOf(this) * devicePixelRatioF();
    if (scale != scale_) showAt(scale);
    QLabel::paintEvent(event);
}

}  // namespace trelvist::ui
