#pragma once
// The pictures behind the options panel, the odds window and the rules window, each drawn with
// `scale` device pixels per pixel of its size.
#include <QImage>
#include <QSize>

namespace trelvist::assets::generator {

constexpr QSize kPanelSize{522, 427};
constexpr QSize kOddsSize{260, 201};
constexpr QSize kRulesSize{347, 522};

QImage panelPicture(double scale = 1.0);  // frames around the panel's groups of controls
QImage oddsPicture(double scale = 1.0);   // a darker band behind the odds text
QImage rulesPicture(double scale = 1.0);  // the rules in white

}  // namespace trelvist::assets::generator
