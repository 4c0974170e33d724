#include "ui/look.h"

#include <QApplication>
#include <QStyleFactory>

#include "ui/fonts.h"
#include "ui/game_style.h"

namespace trelvist::ui {

void applyGameLook() {
    QApplication::setStyle(new GameStyle(QStyleFactory::create("Fusion")));
    registerFontSubstitutes();
}

}  // namespace trelvist::ui
