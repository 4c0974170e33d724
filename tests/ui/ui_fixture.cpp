#include "ui_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "assets/pictures.h"
#include "settings/settings_path.h"
#include "ui/data_files.h"
#include "ui/look.h"

namespace trelvist::ui::test {

TableFixture::TableFixture(const QString& settings, SettingsFile file, uint32_t clock, Boxes boxes)
    : oldConfigHome_(qgetenv("XDG_CONFIG_HOME")), oldDataHome_(qgetenv("XDG_DATA_HOME")) {
    static const bool lookApplied = (applyGameLook(), true);
    Q_UNUSED(lookApplied);
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
    const QString path = QString::fromStdString(defaultSettingsPath());
    QDir().mkpath(QFileInfo(path).path());
    if (file == SettingsFile::Unwritable) QDir().mkpath(path);
    if (!settings.isEmpty()) {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(settings.toUtf8()) < 0)
            qFatal("cannot write %s", qPrintable(path));
    }
    settings_ = std::make_unique<IniFile>(path.toStdString());
    HostHooks hooks{.beep = [this] { ++beeps; }, .clock = [clock] { return clock; }};
    if (boxes == Boxes::Answered)
        hooks.answerBox = [this](const BoxRequest& box) {
            this->boxes.push_back(box);
            return answer;
        };
    window_ = std::make_unique<MainWindow>(*settings_, std::move(hooks));
    // Presses show their end at once unless a test asks for paced play.
    window_->playback().setSpeed(PlaybackSpeed::Instant);
    window_->startUp();
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("the window was not shown");
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) qFatal("the window did not become active");
}

TableFixture::~TableFixture() {
    window_.reset();
    qputenv("XDG_CONFIG_HOME", oldConfigHome_);
    qputenv("XDG_DATA_HOME", oldDataHome_);
}

void TableFixture::click(const char* button) {
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
}

void TableFixture::press(Qt::Key key) {
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) qFatal("the window did not become active");
    QTest::keyClick(window_.get(), key);
}

int32_t TableFixture::stored(const char* section, const char* key, int32_t fallback) {
    return settings_->readInt(section, key, fallback);
}

ModalWatch::ModalWatch(std::function<void(QWidget*)> act) {
    QObject::connect(&timer_, &QTimer::timeout, [this, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        timer_.stop();
        ran_ = true;
        act(modal);
        if (modal->isVisible()) modal->close();
    });
    timer_.start(10);
}

QImage cardImage(int picture) {
    return assets::cardPicture(picture).convertToFormat(QImage::Format_RGB32);
}

QRgb feltAt(int x, int y) {
    static const QImage felt = QImage(dataFile("texasbmp3.bmp")).convertToFormat(QImage::Format_RGB32);
    return felt.pixel(x % felt.width(), y % felt.height());
}

namespace {
bool isCorner(int x, int y) { return (x == 0 || x == 70) && (y == 0 || y == 95); }
}  // namespace

bool showsPicture(const QImage& canvas, int picture, QPoint at, int columns, int rows) {
    const QImage card = cardImage(picture);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            if (!isCorner(x, y) && canvas.pixel(at.x() + x, at.y() + y) != card.pixel(x, y))
                return false;
    return true;
}

bool showsFelt(const QImage& canvas, QPoint at, int columns, int rows) {
    for (int y = at.y(); y < at.y() + rows; ++y)
        for (int x = at.x(); x < at.x() + columns; ++x)
            if (canvas.pixel(x, y) != feltAt(x, y)) return false;
    return true;
}

}  // namespace trelvist::ui::test
