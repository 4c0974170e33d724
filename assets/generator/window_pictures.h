#pragma once
// The pictures behind the options panel, the odds window and the rules window.
#include <QImage>

namespace trelvist::assets::generator {

QImage panelPicture();  // 522 x 427: frames around the panel's groups of controls
QImage oddsPicture();   // 260 x 201: a darker band behind the odds text
QImage rulesPicture();  // 347 x 522: the rules in white

}  // namespace trelvist::assets::generator
