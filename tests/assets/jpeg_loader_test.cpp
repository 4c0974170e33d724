// The libjpeg loader: the pictures built into the program, exact colours and sizes, and
// every kind of bad data ending in JpegError rather than a crash.
#include "assets/jpeg_loader.h"
#include "assets/resource_paths.h"
#include "jpeg_writer.h"

#include <QFile>

#include <gtest/gtest.h>

#include <random>

using trelvist::assets::decodeJpeg;
using trelvist::assets::JpegError;
namespace resources = trelvist::assets::resources;

namespace {

QByteArray resource(const char* path) {
    QFile file(QString::fromLatin1(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

void expectJpegError(const QByteArray& data, const char* what) {
    try {
        decodeJpeg(data);
        ADD_FAILURE() << what << " decoded without an error";
    } catch (const JpegError& e) {
        EXPECT_NE(std::string(e.what()).find("JPEG"), std::string::npos) << e.what();
    }
}

// Four colour blocks; an odd width makes the rows of the RGB image padded in memory.
QImage quadrants(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2, top = y < height / 2;
            image.setPixel(x, y, top ? (left ? qRgb(220, 30, 30) : qRgb(30, 200, 40)) : (left ? qRgb(30, 40, 210) : qRgb(250, 250, 250)));
        }
    return image;
}

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 12 && std::abs(qGreen(a) - qGreen(b)) <= 12 && std::abs(qBlue(a) - qBlue(b)) <= 12;
}

}  // namespace

TEST(JpegLoader, DecodesEveryBuiltInPictureToItsSize) {
    EXPECT_EQ(decodeJpeg(resource(resources::kPanel)).size(), QSize(522, 427));
    EXPECT_EQ(decodeJpeg(resource(resources::kOdds)).size(), QSize(260, 201));
    EXPECT_EQ(decodeJpeg(resource(resources::kRules)).size(), QSize(347, 522));
}

TEST(JpegLoader, KeepsColoursAndRowsInPlace) {
    const QImage original = quadrants(61, 37);
    const QImage decoded = decodeJpeg(trelvist::assets::generator::encodeJpeg(original, 95));
    ASSERT_EQ(decoded.size(), original.size());
    for (const QPoint p : {QPoint(10, 8), QPoint(50, 8), QPoint(10, 30), QPoint(50, 30)})
        EXPECT_TRUE(near(decoded.pixel(p), original.pixel(p))) << p.x() << "," << p.y() << " decoded as " << std::hex << decoded.pixel(p);
}

TEST(JpegLoader, TruncatedDataIsAnError) {
    const QByteArray good = resource(resources::kOdds);
    ASSERT_GT(good.size(), 1000);
    for (qsizetype length : {qsizetype(2), qsizetype(20), qsizetype(300), good.size() / 2, good.size() - 2})
        expectJpegError(good.left(length), "a picture cut short");
}

TEST(JpegLoader, DataThatIsNoJpegIsAnError) {
    expectJpegError(QByteArray(), "empty data");
    expectJpegError(QByteArray("not a picture at all"), "text");
    expectJpegError(resource(resources::kCardStrip), "a PNG file");
    std::mt19937 random(7);
    QByteArray noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    expectJpegError(noise, "random bytes");
    // A start-of-image marker followed by garbage.
    expectJpegError(QByteArray("\xFF\xD8") + noise, "a JPEG header with garbage behind it");
    // A real header whose compressed data is overwritten.
    QByteArray damaged = resource(resources::kOdds);
    for (qsizetype i = damaged.size() / 3; i < damaged.size() - 2; ++i) damaged[i] = noise[i % noise.size()];
    expectJpegError(damaged, "damaged picture data");
}
