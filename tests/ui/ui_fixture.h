#pragma once
// A main window over a fresh settings file, shown offscreen, with its message boxes answered
// by the test and its beeps counted.
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "settings/ini_file.h"
#include "ui/main_window.h"

namespace trelvist::ui::test {

enum class SettingsFile { Writable, Unwritable };
// Boxes answered by the test, or real ones a person (or a ModalWatch) answers.
enum class Boxes { Answered, Real };

class TableFixture {
public:
    // `settings` is written as the settings file before the window starts up; the game's
    // clock stands still at `clock`, so every run deals the same cards.
    explicit TableFixture(const QString& settings = {}, SettingsFile file = SettingsFile::Writable,
                          uint32_t clock = 1, Boxes boxes = Boxes::Answered);
    ~TableFixture();

    MainWindow& window() { return *window_; }
    Table& table() { return window_->table(); }
    const TableState& state() { return window_->table().state(); }
    TableView view() { return window_->table().view(); }

    // A control of the main window itself (not of the panel or a modal window).
    template <class W>
    W* control(const char* name) {
        W* widget = window_->findChild<W*>(name, Qt::FindDirectChildrenOnly);
        if (!widget) qFatal("no control %s", name);
        return widget;
    }
    // A control anywhere inside the main window, its panel and its modal windows.
    template <class W>
    W* inside(const QWidget* parent, const char* name) {
        W* widget = parent->findChild<W*>(name);
        if (!widget) qFatal("no control %s", name);
        return widget;
    }
    QString caption(const char* label) { return control<QLabel>(label)->text(); }
    void click(const char* button);
    // A key pressed on the table, which has the keyboard focus.
    void press(Qt::Key key);

    int32_t stored(const char* section, const char* key, int32_t fallback = -1);
    QString settingsPath() const { return QString::fromStdString(settings_->path()); }
    // The window's data folder: the hand history lies in trelvist/history inside it.
    QString dataHome() const { return dir_.filePath("data"); }

    std::vector<BoxRequest> boxes;  // every box the game showed, in order
    bool answer = true;             // the answer to every Yes/No question
    int beeps = 0;

private:
    QTemporaryDir dir_;
    QByteArray oldConfigHome_;
    QByteArray oldDataHome_;
    std::unique_ptr<IniFile> settings_;
    std::unique_ptr<MainWindow> window_;
};

// While it lives, runs `act` on the next modal window once that is open; `act` closes it (or
// the watch does, so a failed check cannot leave the test waiting).
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(QWidget*)> act);
    bool ran() const { return ran_; }

private:
    QTimer timer_;
    bool ran_ = false;
};

// The picture of a card list entry, as the canvas draws it.
QImage cardImage(int picture);
// The felt pixel that lies at x, y of the table.
QRgb feltAt(int x, int y);

// True when the canvas shows the picture at x, y over the given columns and rows of the card,
// leaving out its four corners.
bool showsPicture(const QImage& canvas, int picture, QPoint at, int columns = 71, int rows = 96);
// True when the canvas shows felt over the card-sized rectangle at x, y.
bool showsFelt(const QImage& canvas, QPoint at, int columns = 71, int rows = 96);

}  // namespace trelvist::ui::test
