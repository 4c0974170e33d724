// The felt and the six sounds the build copies beside a program that needs them.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tile_seam.h"

using trelvist::assets::test::seamRatio;

namespace {

QString besideProgram(const char* name) { return QDir(QCoreApplication::applicationDirPath()).filePath(name); }

QByteArray readFile(const char* name) {
    QFile file(besideProgram(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name << " is not beside the program";
    return file.readAll();
}

struct Wav {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<int16_t> samples;  // the first channel
};

// Reads a RIFF WAVE file chunk by chunk, as a player would.
std::optional<Wav> parseWav(const QByteArray& file) {
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<uint32_t>(file.constData() + at); };
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<uint16_t>(file.constData() + at); };
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return std::nullopt;
    if (u32(4) + 8 != static_cast<uint32_t>(file.size())) return std::nullopt;
    Wav wav;
    bool haveFormat = false, haveData = false;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + size > file.size()) return std::nullopt;
        if (id == "fmt " && size >= 16) {
            wav.format = u16(body);
            wav.channels = u16(body + 2);
            wav.sampleRate = static_cast<int>(u32(body + 4));
            wav.bitsPerSample = u16(body + 14);
            const int blockAlign = u16(body + 12);
            if (blockAlign != wav.channels * wav.bitsPerSample / 8) return std::nullopt;
            if (u32(body + 8) != static_cast<uint32_t>(wav.sampleRate * blockAlign)) return std::nullopt;
            haveFormat = true;
        } else if (id == "data" && haveFormat && wav.bitsPerSample == 16 && wav.channels > 0) {
            for (qsizetype s = body; s + 2 * wav.channels <= body + size; s += 2 * wav.channels)
                wav.samples.push_back(static_cast<int16_t>(u16(s)));
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveData) return std::nullopt;
    return wav;
}

QImage turned(const QImage& image) { return image.transformed(QTransform().rotate(90)); }

}  // namespace

TEST(Sounds, AreShortMonoPcmWavFilesThatSoundAndDiffer) {
    std::vector<std::vector<int16_t>> all;
    for (const char* name : {"chip1.wav", "chip2.wav", "chip3.wav", "chip4.wav", "card1.wav", "card2.wav"}) {
        SCOPED_TRACE(name);
        const std::optional<Wav> wav = parseWav(readFile(name));
        ASSERT_TRUE(wav.has_value());
        EXPECT_EQ(wav->format, 1) << "PCM";
        EXPECT_EQ(wav->bitsPerSample, 16);
        EXPECT_GE(wav->sampleRate, 22050);
        const double seconds = static_cast<double>(wav->samples.size()) / wav->sampleRate;
        EXPECT_GT(seconds, 0.1);
        EXPECT_LT(seconds, 0.65);
        int peak = 0;
        for (int16_t s : wav->samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 8000) << "too quiet";
        EXPECT_LT(peak, 30000) << "clipped or too loud";
        // Starting and ending at rest, so playing one makes no click.
        EXPECT_LT(std::abs(wav->samples.front()), 500);
        EXPECT_LT(std::abs(wav->samples.back()), 200);
        all.push_back(wav->samples);
    }
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) EXPECT_NE(all[i], all[j]) << "sounds " << i + 1 << " and " << j + 1;
}

TEST(Felt, IsAWindowsBitmapOfTexturedGreen) {
    const QByteArray file = readFile("texasbmp3.bmp");
    EXPECT_TRUE(file.startsWith("BM"));
    QImage felt;
    ASSERT_TRUE(felt.loadFromData(file, "BMP"));
    EXPECT_GE(felt.width(), 64);
    EXPECT_GE(felt.height(), 64);
    double red = 0, green = 0, blue = 0, grey = 0, greySquares = 0;
    for (int y = 0; y < felt.height(); ++y)
        for (int x = 0; x < felt.width(); ++x) {
            const QRgb c = felt.pixel(x, y);
            red += qRed(c);
            green += qGreen(c);
            blue += qBlue(c);
            grey += qGray(c);
            greySquares += static_cast<double>(qGray(c)) * qGray(c);
        }
    const double n = static_cast<double>(felt.width()) * felt.height();
    EXPECT_GT(green, red * 1.8);
    EXPECT_GT(green, blue * 1.5);
    const double spread = std::sqrt(greySquares / n - (grey / n) * (grey / n));
    EXPECT_GT(spread, 2.0) << "a flat colour is no felt";
    EXPECT_LT(spread, 20.0) << "too busy behind the cards";
}

TEST(Felt, TilesWithoutSeams) {
    QImage felt;
    ASSERT_TRUE(felt.loadFromData(readFile("texasbmp3.bmp"), "BMP"));
    EXPECT_LT(seamRatio(felt), 1.6) << "the left edge does not continue the right";
    EXPECT_LT(seamRatio(turned(felt)), 1.6) << "the top edge does not continue the bottom";
    // The measure itself: a piece cut from the middle of the felt does not tile.
    const QImage piece = felt.copy(37, 53, felt.width() / 2 + 11, felt.height() / 2 + 5);
    EXPECT_GT(seamRatio(piece), 1.6);
    EXPECT_GT(seamRatio(turned(piece)), 1.6);
}
