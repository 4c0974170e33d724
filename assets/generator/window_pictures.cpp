#include "window_pictures.h"

#include "fonts.h"
#include "picture_scale.h"
#include "textures.h"

#include <QLinearGradient>
#include <QPainter>

namespace trelvist::assets::generator {
namespace {

const QColor kLightRim(170, 196, 255);
const QColor kDarkLine(8, 14, 60);

// A raised light rim around the whole picture.
void rim(QPainter& p, const QRect& area) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kLightRim);
    p.drawRect(area.adjusted(0, 0, -1, -1));
    p.setPen(kLightRim.darker(140));
    p.drawRect(area.adjusted(1, 1, -2, -2));
    p.setPen(kDarkLine);
    p.drawRect(area.adjusted(2, 2, -3, -3));
}

// A thin etched frame: a dark line with a faint light line just inside it.
void groupFrame(QPainter& p, const QRect& r) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 150, 230, 120), 1.0));
    p.drawRoundedRect(QRectF(r).adjusted(1.5, 1.5, -0.5, -0.5), 4, 4);
    p.setPen(QPen(kDarkLine, 1.0));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -1.5, -1.5), 4, 4);
}

// A blue field of `size` at `scale`.
QImage blueField(QSize size, unsigned seed, double scale) {
    return blueTexture(size.width(), size.height(), seed, scale);
}

}  // namespace

QImage panelPicture(double scale) {
    QImage picture = blueField(kPanelSize, 11, scale);
    QPainter p(&picture);
    drawInPixels(p, picture, kPanelSize);
    rim(p, QRect(QPoint(0, 0), kPanelSize));
    // Around: the two cash boxes, the sound switch, the computer level, the betting limits
    // and the card backs.
    for (const QRect& group : {QRect(QPoint(72, 50), QPoint(312, 142)), QRect(QPoint(352, 50), QPoint(460, 118)),
                               QRect(QPoint(58, 162), QPoint(190, 340)), QRect(QPoint(212, 162), QPoint(330, 340)),
                               QRect(QPoint(352, 130), QPoint(460, 340))})
        groupFrame(p, group);
    return picture;
}

QImage oddsPicture(double scale) {
    QImage picture = blueField(kOddsSize, 23, scale);
    QPainter p(&picture);
    drawInPixels(p, picture, kOddsSize);
    const QRect band(0, 64, 260, 52);
    QLinearGradient shade(band.topLeft(), band.bottomLeft());
    shade.setColorAt(0, QColor(0, 0, 30, 90));
    shade.setColorAt(0.12, QColor(0, 0, 30, 150));
    shade.setColorAt(0.88, QColor(0, 0, 30, 150));
    shade.setColorAt(1, QColor(0, 0, 30, 90));
    p.fillRect(band, shade);
    p.setPen(QColor(120, 150, 230, 140));
    p.drawLine(band.topLeft(), band.topRight());
    p.drawLine(band.bottomLeft(), band.bottomRight());
    return picture;
}

QImage rulesPicture(double scale) {
    struct Paragraph {
        const char* text;
        int pixelSize;
    };
    static const Paragraph kParagraphs[] = {
        {"Each player is dealt two cards face down, followed by the first round of betting.", 12},
        {"Three community cards are dealt face up, followed by the second round of betting.", 12},
        {"A fourth community card is dealt face up, followed by the third round of betting.", 12},
        {"A fifth community card is dealt face up, followed by the final round of betting.", 12},
        {"The players still in the hand show their cards. The best hand formed from a player's "
         "two cards and the five community cards wins the pot.", 12},
        {"Check: stay in without betting.\nFold: withdraw from the current deal.\n"
         "Call: match another player's bet.\nPot: the money at stake in a deal.", 12},
        {"All bets in the first and second rounds are small; in the third and fourth rounds they are big.", 12},
        {"Texas Hold'em  v1.0", 15},
        {"Trelvist \u2014 made by the Trelvist team", 11},
    };
    QImage picture = blueField(kRulesSize, 37, scale);
    QPainter p(&picture);
    drawInPixels(p, picture, kRulesSize);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(kLightRim, 2.0));
    p.drawRect(QRectF(5, 5, 337, 512));
    p.setPen(QPen(kDarkLine, 1.0));
    p.drawRect(QRectF(7.5, 7.5, 332, 507));

    // The text ends above the contact address and the Ok button that the window lays over the
    // lower part of the picture.
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    int top = 24;
    for (const Paragraph& paragraph : kParagraphs) {
        const QString text = QString::fromUtf8(paragraph.text);
        p.setFont(boldSansFont(paragraph.pixelSize));
        const QRect box(22, top, 303, 200);
        const QRect used = p.boundingRect(box, flags, text);
        // A dark shadow keeps the white letters readable on the lighter patches.
        p.setPen(QColor(0, 0, 30, 160));
        p.drawText(box.translated(1, 1), flags, text);
        p.setPen(Qt::white);
        p.drawText(box, flags, text);
        top = used.bottom() + (paragraph.pixelSize > 12 ? 4 : 13);
    }
    return picture;
}

}  // namespace trelvist::assets::generator
