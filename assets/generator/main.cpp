// trelvist-assets: draws every picture and synthesises every sound of the game.
//
//   trelvist-assets --out DIR               writes the pictures, the felt, the icons and the sounds
//   trelvist-assets --contact-sheet FILE    writes all 60 card pictures on one PNG for review
//   --fonts DIR                             where the DejaVu fonts are (default: Debian's folder)
#include "app_icon.h"
#include "deck.h"
#include "desktop_icon.h"
#include "fonts.h"
#include "jpeg_writer.h"
#include "sounds.h"
#include "synth.h"
#include "textures.h"
#include "wav_writer.h"
#include "window_pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace gen = trelvist::assets::generator;

namespace {

constexpr int kJpegQuality = 92;

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeAll(const QDir& out) {
    bool ok = gen::pictureStrip(gen::deckPictures()).save(out.filePath("cards.png"), "PNG");
    ok = writeFile(out.filePath("panel.jpg"), gen::encodeJpeg(gen::panelPicture(), kJpegQuality)) && ok;
    ok = writeFile(out.filePath("odds.jpg"), gen::encodeJpeg(gen::oddsPicture(), kJpegQuality)) && ok;
    ok = writeFile(out.filePath("rules.jpg"), gen::encodeJpeg(gen::rulesPicture(), kJpegQuality)) && ok;
    for (int size : {32, 48, 256})
        ok = gen::appIcon(size).save(out.filePath(QString("icon-%1.png").arg(size)), "PNG") && ok;
    for (int size : gen::kDesktopIconSizes)
        ok = gen::desktopIcon(size).save(out.filePath(QString("desktop-icon-%1.png").arg(size)), "PNG") && ok;
    ok = writeFile(out.filePath("desktop-icon.svg"), gen::desktopIconSvg()) && ok;
    ok = gen::feltTile().save(out.filePath("texasbmp3.bmp"), "BMP") && ok;
    for (const gen::SoundEffect& sound : gen::soundEffects())
        ok = writeFile(out.filePath(QString::fromStdString(sound.fileName)), gen::wavFile(sound.samples, gen::kSampleRate)) && ok;
    return ok;
}

int usage() {
    std::fprintf(stderr, "usage: trelvist-assets [--fonts DIR] (--out DIR | --contact-sheet FILE)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // The generator never shows a window; the offscreen platform gives QPainter its fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString fontDir = QStringLiteral(TRELVIST_FONT_DIR);
    QString outDir;
    QString sheetFile;
    while (args.size() >= 2) {
        const QString option = args.takeFirst();
        const QString value = args.takeFirst();
        if (option == "--fonts") fontDir = value;
        else if (option == "--out") outDir = value;
        else if (option == "--contact-sheet") sheetFile = value;
        else return usage();
    }
    if (!args.isEmpty() || (outDir.isEmpty() == sheetFile.isEmpty())) return usage();
    if (!gen::loadFonts(fontDir)) {
        std::fprintf(stderr, "trelvist-assets: the DejaVu fonts are missing in %s\n", qPrintable(fontDir));
        return 1;
    }

    if (!sheetFile.isEmpty()) {
        if (gen::contactSheet(gen::deckPictures(), gen::feltTile()).save(sheetFile, "PNG")) return 0;
        std::fprintf(stderr, "trelvist-assets: cannot write %s\n", qPrintable(sheetFile));
        return 1;
    }
    if (!QDir().mkpath(outDir) || !writeAll(QDir(outDir))) {
        std::fprintf(stderr, "trelvist-assets: cannot write the assets into %s\n", qPrintable(outDir));
        return 1;
    }
    return 0;
}
