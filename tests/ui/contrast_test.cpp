// Contrast measured on the window as it is drawn: the red result against what lies around its
// letters, and a disabled button's caption against the button's face.
#include <map>

#include "ui/contrast.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

// A pixel of the red letters, their blended edges included: red with next to no green or blue.
bool isLetter(QRgb c) { return qRed(c) > 60 && qGreen(c) < 50 && qBlue(c) < 50; }

// The mean colour of the pixels that touch the letters from outside: what they are seen
// against.
QColor aroundTheLetters(const QImage& image) {
    double red = 0, green = 0, blue = 0;
    int count = 0;
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (isLetter(c)) continue;
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) touches |= isLetter(image.pixel(x + dx, y + dy));
            if (!touches) continue;
            red += qRed(c), green += qGreen(c), blue += qBlue(c), ++count;
        }
    return count ? QColor(int(red / count), int(green / count), int(blue / count)) : QColor();
}

// The most common colour inside a button, and the darkest.
std::pair<QColor, QColor> faceAndCaption(const QImage& button) {
    std::map<QRgb, int> counts;
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = 3; y + 3 < button.height(); ++y)
        for (int x = 3; x + 3 < button.width(); ++x) {
            const QRgb c = button.pixel(x, y);
            ++counts[c];
            if (qGray(c) < qGray(darkest)) darkest = c;
        }
    const auto face = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return {QColor(face->first), QColor(darkest)};
}

}  // namespace

class ContrastTest : public QObject {
    Q_OBJECT
private slots:
    void theResultReadsAgainstTheFelt() {
        TableFixture f;
        f.click("btnpass");  // the opponents play the hand out: someone wins
        QLabel* result = f.control<QLabel>("theresult");
        QVERIFY(!result->text().isEmpty());
        QCOMPARE(result->palette().color(QPalette::WindowText), QColor(Qt::red));
        const QRect around = result->geometry().adjusted(-4, -4, 4, 4);
        const QImage shown = f.window().grab(around).toImage().convertToFormat(QImage::Format_RGB32);
        const QColor behind = aroundTheLetters(shown);
        QVERIFY(behind.isValid());
        const double ratio = contrastRatio(Qt::red, behind);
        qInfo("the result against its surroundings: %.2f : 1", ratio);
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
        // Red on the bare felt alone would not do.
        QVERIFY(contrastRatio(Qt::red, QColor(feltAt(around.x(), around.y()))) < 2.5);
    }

    void aDisabledCaptionCanBeRead() {
        TableFixture f;
        QPushButton* deal = f.control<QPushButton>("btnnew");
        QVERIFY(!deal->isEnabled());
        const auto [face, caption] = faceAndCaption(deal->grab().toImage());
        const double ratio = contrastRatio(face, caption);
        qInfo("the disabled caption against its face: %.2f : 1", ratio);
        QVERIFY2(ratio >= 3.0, qPrintable(QString::number(ratio)));
        // Still greyed out: well below the enabled caption's black.
        const auto [enabledFace, enabledCaption] = faceAndCaption(f.control<QPushButton>("btnstay")->grab().toImage());
        QVERIFY(contrastRatio(enabledFace, enabledCaption) > ratio + 3);
    }

    void contrastIsMeasuredAsScreensShowIt() {
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(Qt::red, Qt::red), 1.0);
        QVERIFY(qAbs(contrastRatio(Qt::red, Qt::black) - 5.25) < 0.01);
        for (const QColor face : {QColor(239, 239, 239), QColor(12, 43, 186)}) {
            const QColor grey = greyReadableOn(face, 3.6);
            QVERIFY(contrastRatio(grey, face) >= 3.6);
            QVERIFY(contrastRatio(grey, face) < 4.0);  // the nearest grey, not black or white
        }
    }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
