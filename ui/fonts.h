#pragma once
// The window's fonts are named Verdana, Tahoma and Georgia and sized in pixels. Where those
// families are missing, DejaVu Sans and DejaVu Serif stand in under their names.
#include <QFont>
#include <QString>

namespace trelvist::ui {

void registerFontSubstitutes();

enum class Weight { Regular, Bold };
enum class Slant { Upright, Italic };

QFont pixelFont(const QString& family, int pixels, Weight weight = Weight::Regular,
                Slant slant = Slant::Upright);

}  // namespace trelvist::ui
