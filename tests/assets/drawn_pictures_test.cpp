// The pictures for denser (and coarser) screens: at scale 1 the built-in ones, at any other
// the same drawing done again at that density, not the 100 % pixels resampled.
#include "assets/pictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/picture_measures.h"
#include "tile_seam.h"

using namespace trelvist::assets;
using trelvist::assets::test::seamRatio;
using trelvist::test::doubledEdgeShare;
using trelvist::test::greyAt;
using trelvist::test::steepness;

namespace {

constexpr int kAceOfSpades = 51, kKingOfHearts = 37, kSevenOfDiamonds = 18, kFirstBack = 52;

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The mean difference in grey between a picture and one drawn at twice its size, averaged
// back down block by block.
double differenceFromHalved(const QImage& single, const QImage& twice) {
    const QImage halved = twice.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double total = 0;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x) total += std::abs(greyAt(single, x, y) - greyAt(halved, x, y));
    return total / (single.width() * single.height());
}

}  // namespace

TEST(DrawnPictures, AtScaleOneTheyAreTheBuiltInPictures) {
    for (int i : {0, kAceOfSpades, kFirstBack, kCardPictures - 1}) EXPECT_EQ(cardPicture(i, 1.0), cardPicture(i)) << i;
    EXPECT_EQ(panelPicture(1.0), panelPicture());
    EXPECT_EQ(oddsPicture(1.0), oddsPicture());
    EXPECT_EQ(rulesPicture(1.0), rulesPicture());
}

TEST(DrawnPictures, HaveTheDevicePixelsOfTheirSize) {
    for (double scale : {0.8, 1.25, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(scale);
        const auto pixels = [scale](int size) { return int(std::lround(size * scale)); };
        for (int i : {kSevenOfDiamonds, kFirstBack + 4}) {
            const QImage card = cardPicture(i, scale);
            EXPECT_EQ(card.size(), QSize(pixels(kCardWidth), pixels(kCardHeight)));
            EXPECT_FALSE(card.hasAlphaChannel());
        }
        EXPECT_EQ(panelPicture(scale).size(), QSize(pixels(522), pixels(427)));
        EXPECT_EQ(oddsPicture(scale).size(), QSize(pixels(260), pixels(201)));
        EXPECT_EQ(rulesPicture(scale).size(), QSize(pixels(347), pixels(522)));
        EXPECT_EQ(feltTile(scale).size(), QSize(pixels(256), pixels(256)));
    }
}

TEST(DrawnPictures, AreDrawnAgainNotGrownFromTheBuiltInOnes) {
    for (int i : {kAceOfSpades, kKingOfHearts, kSevenOfDiamonds, kFirstBack + 2}) {
        SCOPED_TRACE(i);
        const QImage single = rgb(cardPicture(i));
        const QImage twice = rgb(cardPicture(i, 2.0));
        const QImage smoothed = rgb(single.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        // The same picture...
        EXPECT_LT(differenceFromHalved(single, twice), 10.0);
        // ...with outlines as fine as the density: neither the pixels doubled nor smoothed.
        EXPECT_LT(doubledEdgeShare(single, twice), 0.1);
        EXPECT_GT(steepness(twice), 1.3 * steepness(smoothed));
    }
    EXPECT_LT(differenceFromHalved(rgb(rulesPicture()), rgb(rulesPicture(2.0))), 16.0);
}

TEST(DrawnPictures, TheFeltStillTilesWithoutASeam) {
    for (double scale : {1.5, 2.0}) {
        const QImage felt = rgb(feltTile(scale));
        EXPECT_LT(seamRatio(felt), 1.6) << scale;
        EXPECT_LT(seamRatio(felt.transformed(QTransform().rotate(90))), 1.6) << scale;
    }
}
