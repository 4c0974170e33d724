#include "assets/pictures.h"

#include "assets/jpeg_loader.h"
#include "assets/resource_paths.h"

#include <QFile>
#include <QList>

#include <string>

namespace trelvist::assets {
namespace {

const QList<QImage>& cardList() {
    static const QList<QImage> list = [] {
        const QImage strip(resources::kCardStrip);
        QList<QImage> pictures;
        if (strip.width() != kCardWidth * kCardPictures || strip.height() != kCardHeight) return pictures;
        for (int i = 0; i < kCardPictures; ++i)
            pictures.append(strip.copy(i * kCardWidth, 0, kCardWidth, kCardHeight).convertToFormat(QImage::Format_RGB32));
        return pictures;
    }();
    return list;
}

// The window pictures are built into the program, so a failure here is a broken build: it is
// reported loudly (JpegError) rather than shown as an empty window.
QImage resourceJpeg(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        throw JpegError(std::string("the picture ") + path + " is missing from the program's resources");
    return decodeJpeg(file.readAll());
}

}  // namespace

QImage cardPicture(int index) {
    const QList<QImage>& list = cardList();
    return index >= 0 && index < list.size() ? list[index] : QImage();
}

QImage panelPicture() {
    static const QImage picture = resourceJpeg(resources::kPanel);
    return picture;
}

QImage oddsPicture() {
    static const QImage picture = resourceJpeg(resources::kOdds);
    return picture;
}

QImage rulesPicture() {
    static const QImage picture = resourceJpeg(resources::kRules);
    return picture;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : resources::kIconSizes) icon.addFile(QString::fromLatin1(resources::kIconPattern).arg(size), QSize(size, size));
    return icon;
}

}  // namespace trelvist::assets
