#pragma once
// What the engine does to the world, done with Qt: painting on the table canvas, sounds,
// message boxes and the modal windows of the window it works for.
#include <QString>
#include <functional>

#include "game/host.h"
#include "ui/sound_player.h"

class QWidget;

namespace trelvist::ui {

class TableCanvas;
class Playback;

struct BoxRequest {
    enum class Kind { Message, Question, Error };
    Kind kind;
    QString caption;
    QString text;
};

// The window the host works for.
class HostWindow {
public:
    // Copies the game's display onto the widgets, so a box appears over the table as it stands.
    virtual void bringUpToDate() = 0;
    // Shows a modal window and returns when it is closed.
    virtual void showModal(ModalWindow window) = 0;
    // The parent of the message boxes.
    virtual QWidget* boxParent() = 0;

protected:
    ~HostWindow() = default;
};

// Stand-ins for the person and the machine; an empty one leaves the real thing.
struct HostHooks {
    // Answers a box instead of a person: returns true for Yes (ignored for the other boxes).
    std::function<bool(const BoxRequest&)> answerBox{};
    std::function<void()> beep{};
    std::function<uint32_t()> clock{};
};

class QtHost : public Host {
public:
    // What it paints and plays goes through the playback, which holds it back while a press
    // is recorded for paced play.
    QtHost(TableCanvas& canvas, HostWindow& window, Playback& playback, HostHooks hooks = {});

    void paintBackground() override;
    void eraseArea(Rect area) override;
    void drawCard(int picture, int x, int y) override;
    void trimCorners(int x, int y, bool keepTopLeft) override;
    void playSound(const std::string& file) override;
    void showMessage(const std::string& caption, const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    void reportError(const std::string& text) override;
    void showWindow(ModalWindow window) override;
    uint32_t clock() override;

private:
    // Brings the widgets up to date, then shows the box (or hands it to the hook).
    bool runBox(const BoxRequest& box);

    TableCanvas& canvas_;
    HostWindow& window_;
    Playback& playback_;
    SoundPlayer sounds_;
    HostHooks hooks_;
};

}  // namespace trelvist::ui
