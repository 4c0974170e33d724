#include "deck.h"

#include "assets/pictures.h"
#include "card_backs.h"
#include "card_faces.h"

#include <QPainter>

namespace trelvist::assets::generator {

QList<QImage> deckPictures() {
    QList<QImage> pictures;
    for (int index = 0; index < kCardPictures; ++index) pictures.append(deckPicture(index));
    return pictures;
}

QImage deckPicture(int index, double scale) {
    constexpr int kFaces = 52;
    constexpr int kRanks = 13;
    return index < kFaces ? cardFace(index / kRanks, index % kRanks, scale) : cardBack(index - kFaces + 1, scale);
}

QImage pictureStrip(const QList<QImage>& pictures) {
    QImage strip(kCardWidth * pictures.size(), kCardHeight, QImage::Format_RGB32);
    QPainter p(&strip);
    for (int i = 0; i < pictures.size(); ++i) p.drawImage(i * kCardWidth, 0, pictures[i]);
    return strip;
}

QImage contactSheet(const QList<QImage>& pictures, const QImage& felt) {
    constexpr int kGap = 8;
    constexpr int kColumns = 13;
    const int rows = (pictures.size() + kColumns - 1) / kColumns;
    QImage sheet(kGap + kColumns * (kCardWidth + kGap), kGap + rows * (kCardHeight + kGap), QImage::Format_RGB32);
    QPainter p(&sheet);
    p.fillRect(sheet.rect(), QBrush(felt));
    for (int i = 0; i < pictures.size(); ++i)
        p.drawImage(kGap + (i % kColumns) * (kCardWidth + kGap), kGap + (i / kColumns) * (kCardHeight + kGap), pictures[i]);
    return sheet;
}

}  // namespace trelvist::assets::generator
