#pragma once
// A host with no window: it records what the game would show and play, answers every
// message box with OK and every question with the script's answer, and reads a set clock.
#include <cstdint>
#include <functional>
#include <string>

#include "game/host.h"
#include "tools/event_log.h"

namespace trelvist::tools {

class RecordingHost : public Host {
public:
    explicit RecordingHost(EventLog& log) : log_(log) {}

    void setClock(uint32_t seconds) { clock_ = seconds; }
    void setAnswer(bool yes) { answer_ = yes; }
    // What a person does inside a modal window before closing it with Ok; empty for nothing.
    void setWindowAction(std::function<void()> action) { windowAction_ = std::move(action); }

    void paintBackground() override;
    void eraseArea(Rect area) override;
    void drawCard(int picture, int x, int y) override;
    void trimCorners(int x, int y, bool keepTopLeft) override;
    void playSound(const std::string& file) override;
    void showMessage(const std::string& caption, const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    void reportError(const std::string& text) override;
    void showWindow(ModalWindow window) override;
    uint32_t clock() override { return clock_; }

private:
    EventLog& log_;
    uint32_t clock_ = 0;
    bool answer_ = false;
    std::function<void()> windowAction_;
};

}  // namespace trelvist::tools
