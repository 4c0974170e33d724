// The card list as the table uses it: sizes, the order of the pictures, colours and pips.
#include "assets/pictures.h"
#include "assets/resource_paths.h"

#include <QIcon>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <vector>

using namespace trelvist::assets;

namespace {

constexpr int kClubs = 0, kDiamonds = 1, kHearts = 2, kSpades = 3;
constexpr int kTen = 8, kAce = 12;

bool isRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; }
bool isBlack(QRgb c) { return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90; }
bool isInk(QRgb c) { return qGray(c) < 160; }
bool isWhite(QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; }

struct InkCount {
    int red = 0;
    int black = 0;
};

InkCount countInk(const QImage& image, const QRect& area) {
    InkCount n;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            n.red += isRed(image.pixel(x, y));
            n.black += isBlack(image.pixel(x, y));
        }
    return n;
}

// Separate patches of ink inside `area`, neighbours joined across edges (not corners).
int inkPatches(const QImage& image, const QRect& area) {
    std::vector<bool> seen(static_cast<size_t>(image.width()) * image.height(), false);
    auto at = [&](int x, int y) { return static_cast<size_t>(y) * image.width() + x; };
    int patches = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[at(x, y)] || !isInk(image.pixel(x, y))) continue;
            ++patches;
            std::vector<QPoint> stack{{x, y}};
            seen[at(x, y)] = true;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!area.contains(q) || seen[at(q.x(), q.y())] || !isInk(image.pixel(q))) continue;
                    seen[at(q.x(), q.y())] = true;
                    stack.push_back(q);
                }
            }
        }
    return patches;
}

double whiteShare(const QImage& image, const QRect& area) {
    int white = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) white += isWhite(image.pixel(x, y));
    return static_cast<double>(white) / (area.width() * area.height());
}

// The corner indexes, top left and (turned round) bottom right.
const QRect kTopIndex(2, 2, 13, 28);
const QRect kBottomIndex(kCardWidth - 15, kCardHeight - 30, 13, 28);
// Where the pips are, between the two index columns.
const QRect kPipField(15, 3, 41, 90);

}  // namespace

TEST(CardPictures, ListHoldsSixtyPicturesOfCardSize) {
    for (int i = 0; i < kCardPictures; ++i) {
        const QImage picture = cardPicture(i);
        ASSERT_FALSE(picture.isNull()) << "picture " << i;
        EXPECT_EQ(picture.size(), QSize(kCardWidth, kCardHeight)) << "picture " << i;
        EXPECT_FALSE(picture.hasAlphaChannel()) << "cards are drawn opaque; picture " << i;
    }
    EXPECT_TRUE(cardPicture(-1).isNull());
    EXPECT_TRUE(cardPicture(kCardPictures).isNull());
}

TEST(CardPictures, EveryFaceIsPrintedInItsSuitsColour) {
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank) {
            const QImage face = cardPicture(suit * 13 + rank);
            const bool red = suit == kDiamonds || suit == kHearts;
            for (const QRect& corner : {kTopIndex, kBottomIndex}) {
                const InkCount ink = countInk(face, corner);
                EXPECT_GT(red ? ink.red : ink.black, 25) << "suit " << suit << " rank " << rank;
                EXPECT_EQ(red ? ink.black : ink.red, 0) << "suit " << suit << " rank " << rank;
            }
        }
}

TEST(CardPictures, PictureOfACardIsSuitTimesThirteenPlusRank) {
    // The ace of clubs: one large black pip in the middle.
    EXPECT_TRUE(isBlack(cardPicture(12).pixel(35, 47)));
    // The two of diamonds: red pips at the top and bottom of the middle column, none between.
    const QImage twoOfDiamonds = cardPicture(13);
    EXPECT_TRUE(isRed(twoOfDiamonds.pixel(35, 16)));
    EXPECT_TRUE(isRed(twoOfDiamonds.pixel(35, 80)));
    EXPECT_TRUE(isWhite(twoOfDiamonds.pixel(35, 48)));
    // The ace of hearts and the ace of spades.
    EXPECT_TRUE(isRed(cardPicture(38).pixel(35, 47)));
    EXPECT_TRUE(isBlack(cardPicture(51).pixel(35, 47)));
    // The two of clubs, the first picture.
    EXPECT_TRUE(isBlack(cardPicture(0).pixel(35, 16)));
    EXPECT_TRUE(isWhite(cardPicture(0).pixel(35, 48)));
}

TEST(CardPictures, NumberCardsShowTheirNumberOfPips) {
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank <= kTen; ++rank)
            EXPECT_EQ(inkPatches(cardPicture(suit * 13 + rank), kPipField), rank + 2) << "suit " << suit << " rank " << rank;
    // Aces have one large pip (the ace of spades a ring around it as well).
    for (int suit : {kClubs, kDiamonds, kHearts})
        EXPECT_EQ(inkPatches(cardPicture(suit * 13 + kAce), kPipField), 1) << "suit " << suit;
}

TEST(CardPictures, FacesAreWhiteAndBacksAreColouredFields) {
    const QRect inner(5, 5, kCardWidth - 10, kCardHeight - 10);
    for (int i = 0; i < 52; ++i) {
        const int rank = i % 13;
        // Court cards carry a picture; the others are mostly white card.
        EXPECT_GT(whiteShare(cardPicture(i), inner), rank >= 9 && rank <= 11 ? 0.35 : 0.6) << "picture " << i;
    }
    for (int i = 52; i < kCardPictures; ++i) EXPECT_LT(whiteShare(cardPicture(i), inner), 0.3) << "back " << i - 51;
}

TEST(CardPictures, AllSixtyPicturesDiffer) {
    QSet<QByteArray> seen;
    for (int i = 0; i < kCardPictures; ++i) {
        const QImage picture = cardPicture(i);
        seen.insert(QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), kCardPictures);
}

TEST(AppIcon, HasTheDesktopSizesAndAWhiteSpadeOnBlue) {
    const QIcon icon = appIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {32, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;

    const QImage small(QString::fromLatin1(resources::kIconPattern).arg(32));
    ASSERT_EQ(small.size(), QSize(32, 32));
    EXPECT_FALSE(small.hasAlphaChannel());
    const QRgb middle = small.pixel(16, 14);
    EXPECT_GT(qGray(middle), 230);
    const QRgb field = small.pixel(3, 28);
    EXPECT_GT(qBlue(field), qRed(field) + 60);
    EXPECT_GT(qBlue(field), qGreen(field) + 40);
}
