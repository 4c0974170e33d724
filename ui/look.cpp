#include "ui/look.h"

#include <QApplication>
#include <QStyleFactory>

#include "ui/fonts.h"
#include "ui/zoomed_style.h"

namespace trelvist::ui {

void applyGameLook() {
    QApplication::setStyle(new ZoomedStyle(QStyleFactory::create("Fusion")));
    registerFontSubstitutes();
}

}  // namespace trelvist::ui
