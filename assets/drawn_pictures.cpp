// The pictures drawn at run time for screens of any density, by the generator's own code.
#include "assets/pictures.h"

#include "deck.h"
#include "fonts.h"
#include "textures.h"
#include "window_pictures.h"

namespace trelvist::assets {
namespace {

namespace gen = generator;

// The corner letters and the rules are lettered in the generator's own fonts; without them
// the pictures are still drawn, in the nearest fonts there are.
void loadDrawingFonts() {
    static const bool loaded = gen::loadFonts(QStringLiteral(TRELVIST_FONT_DIR));
    Q_UNUSED(loaded);
}

}  // namespace

QImage cardPicture(int index, double scale) {
    if (scale == 1.0 || index < 0 || index >= kCardPictures) return cardPicture(index);
    loadDrawingFonts();
    return gen::deckPicture(index, scale);
}

QImage panelPicture(double scale) { return scale == 1.0 ? panelPicture() : gen::panelPicture(scale); }

QImage oddsPicture(double scale) { return scale == 1.0 ? oddsPicture() : gen::oddsPicture(scale); }

QImage rulesPicture(double scale) {
    if (scale == 1.0) return rulesPicture();
    loadDrawingFonts();
    return gen::rulesPicture(scale);
}

QImage feltTile(double scale) { return gen::feltTile(scale); }

}  // namespace trelvist::assets
