#include "ui/look.h"

#include <QApplication>
#include <QStyleFactory>

#include "ui/fonts.h"

namespace trelvist::ui {

void applyGameLook() {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    registerFontSubstitutes();
}

}  // namespace trelvist::ui
