#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace trelvist::assets::generator {
namespace {

QString serifFamily;
QString sansFamily;

QString addFont(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

}  // namespace

bool loadFonts(const QString& directory) {
    serifFamily = addFont(directory + "/DejaVuSerif-Bold.ttf");
    sansFamily = addFont(directory + "/DejaVuSans-Bold.ttf");
    return !serifFamily.isEmpty() && !sansFamily.isEmpty();
}

QFont indexFont() {
    QFont font(serifFamily);
    font.setPixelSize(100);
    font.setBold(true);
    return font;
}

QFont boldSansFont(int pixelSize) {
    QFont font(sansFamily);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace trelvist::assets::generator
