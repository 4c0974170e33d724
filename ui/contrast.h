#pragma once
// Contrast between two colours as screens show them: the ratio of their relative luminances,
// each plus 0.05, from 1 (the same) to 21 (black on white). Text reads well at 4.5 and
// large text or a disabled caption at 3.
#include <QColor>

namespace trelvist::ui {

double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& a, const QColor& b);

// The grey nearest to `face` that still has `ratio` against it: a caption that reads as
// greyed out and can still be read.
QColor greyReadableOn(const QColor& face, double ratio);

}  // namespace trelvist::ui
