// The icons installed for the desktop: a white spade on a blue tile whose surroundings are
// transparent, at every size, and a scalable drawing of it that stays inside its own box.
#include "desktop_icon.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace trelvist::assets::generator;

namespace {
bool isBlue(QRgb c) { return qBlue(c) > qRed(c) + 60 && qBlue(c) > qGreen(c) + 40; }

// A pixel of the icon at a point of its 32 x 32 design grid.
QRgb at(const QImage& icon, double x, double y) {
    return icon.pixel(int(x * icon.width() / 32), int(y * icon.height() / 32));
}
}  // namespace

TEST(DesktopIcon, WhiteSpadeOnABlueTileWithTransparentCorners) {
    for (int size : kDesktopIconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = desktopIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel());
        for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
        const QRgb spade = at(icon, 16, 16);
        EXPECT_EQ(qAlpha(spade), 255);
        EXPECT_GT(qGray(spade), 230);
        for (const QPointF field : {QPointF(4, 26), QPointF(26, 4), QPointF(16, 3)}) {
            const QRgb c = at(icon, field.x(), field.y());
            EXPECT_EQ(qAlpha(c), 255) << field.x() << "," << field.y();
            EXPECT_TRUE(isBlue(c)) << field.x() << "," << field.y();
        }
    }
}

TEST(DesktopIcon, ScalableDrawingIsWellFormedAndInsideItsBox) {
    QXmlStreamReader xml(desktopIconSvg());
    QStringList elements;
    QString viewBox;
    int paths = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        elements << xml.name().toString();
        if (xml.name() == QLatin1String("svg")) viewBox = xml.attributes().value("viewBox").toString();
        if (xml.name() != QLatin1String("path")) continue;
        ++paths;
        const QString data = xml.attributes().value("d").toString();
        EXPECT_TRUE(data.startsWith('M') && data.endsWith('Z')) << data.toStdString();
        // Every coordinate lies on the 32 x 32 grid; a number written with a comma or in the
        // wrong scale would not.
        for (const QString& word : data.split(QRegularExpression("[ MLCZ]+"), Qt::SkipEmptyParts)) {
            bool isNumber = false;
            const double value = word.toDouble(&isNumber);
            EXPECT_TRUE(isNumber && value >= 0 && value <= 32) << word.toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(elements.value(0), "svg");
    EXPECT_EQ(viewBox, "0 0 32 32");
    EXPECT_TRUE(elements.contains("rect"));
    EXPECT_EQ(paths, 2);  // the shadow and the spade
}
