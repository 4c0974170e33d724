#pragma once
// What the engine does to the world, done with Qt: painting on the table canvas, sounds,
// message boxes and the modal windows of the main window.
#include <QString>
#include <functional>

#include "game/host.h"
#include "ui/sound_player.h"

namespace trelvist::ui {

class MainWindow;

struct BoxRequest {
    enum class Kind { Message, Question, Error };
    Kind kind;
    QString caption;
    QString text;
};

class QtHost : public Host {
public:
    // Answers a box instead of a person: returns true for Yes (ignored for the other boxes).
    using BoxHook = std::function<bool(const BoxRequest&)>;

    explicit QtHost(MainWindow& window);

    void setBoxHook(BoxHook hook) { boxHook_ = std::move(hook); }
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }
    void setClock(std::function<uint32_t()> clock) { clock_ = std::move(clock); }

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

    MainWindow& window_;
    SoundPlayer sounds_;
    BoxHook boxHook_;
    std::function<void()> beep_;
    std::function<uint32_t()> clock_;
};

}  // namespace trelvist::ui
