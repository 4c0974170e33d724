// The pictures behind the options panel, the odds window and the rules window.
#include "assets/pictures.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace trelvist::assets;

namespace {

struct Mean {
    double red = 0, green = 0, blue = 0, grey = 0;
};

Mean meanOf(const QImage& image, const QRect& area) {
    Mean m;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            m.red += qRed(c);
            m.green += qGreen(c);
            m.blue += qBlue(c);
            m.grey += qGray(c);
        }
    const double n = static_cast<double>(area.width()) * area.height();
    return {m.red / n, m.green / n, m.blue / n, m.grey / n};
}

void expectBlueField(const QImage& image) {
    const Mean m = meanOf(image, image.rect());
    EXPECT_GT(m.blue, m.red + 50);
    EXPECT_GT(m.blue, m.green + 40);
}

}  // namespace

TEST(WindowPictures, HaveTheirSizesAndAreBlue) {
    const QImage panel = panelPicture();
    const QImage odds = oddsPicture();
    const QImage rules = rulesPicture();
    EXPECT_EQ(panel.size(), QSize(522, 427));
    EXPECT_EQ(odds.size(), QSize(260, 201));
    EXPECT_EQ(rules.size(), QSize(347, 522));
    for (const QImage& picture : {panel, odds, rules}) expectBlueField(picture);
}

TEST(WindowPictures, OddsPictureHasADarkerBandAcrossTheMiddle) {
    const QImage odds = oddsPicture();
    const double band = meanOf(odds, QRect(0, 75, 260, 30)).grey;
    EXPECT_LT(band, meanOf(odds, QRect(0, 10, 260, 40)).grey - 15);
    EXPECT_LT(band, meanOf(odds, QRect(0, 150, 260, 40)).grey - 15);
}

TEST(WindowPictures, RulesAreWrittenInWhiteAboveTheContactLine) {
    const QImage rules = rulesPicture();
    auto whitePixels = [&](const QRect& area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += qGray(rules.pixel(x, y)) > 220;
        return n;
    };
    // Lines of text down the picture, and nothing where the window lays the contact address
    // and the Ok button.
    for (int top = 20; top < 400; top += 40) EXPECT_GT(whitePixels(QRect(20, top, 307, 40)), 150) << "band at " << top;
    EXPECT_EQ(whitePixels(QRect(20, 420, 307, 80)), 0);
}
