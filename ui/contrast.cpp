#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace trelvist::ui {

namespace {
double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor greyReadableOn(const QColor& face, double ratio) {
    // Darker greys on light faces, lighter ones on dark faces.
    const bool light = relativeLuminance(face) > 0.18;
    const int faceGrey = qGray(face.rgb());
    for (int step = 0; step <= 255; ++step) {
        const int level = std::clamp(light ? faceGrey - step : faceGrey + step, 0, 255);
        const QColor grey(level, level, level);
        if (contrastRatio(grey, face) >= ratio) return grey;
    }
    return light ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace trelvist::ui
