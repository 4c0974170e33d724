#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace trelvist::ui {

void registerFontSubstitutes() {
    const QStringList installed = QFontDatabase::families();
    const auto substitute = [&](const QString& family, const QString& standIn) {
        if (!installed.contains(family, Qt::CaseInsensitive))
            QFont::insertSubstitution(family, standIn);
    };
    substitute("Verdana", "DejaVu Sans");
    substitute("Tahoma", "DejaVu Sans");
    substitute("Georgia", "DejaVu Serif");
}

QFont pixelFont(const QString& family, int pixels, Weight weight, Slant slant) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(weight == Weight::Bold);
    font.setItalic(slant == Slant::Italic);
    return font;
}

}  // namespace trelvist::ui
