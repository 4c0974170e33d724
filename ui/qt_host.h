#pragma once
// What the engine asks of the world, done with Qt: sounds, message boxes and the error
// handler over the window it works for, and the felt once the table is uncovered.
#include <QString>
#include <functional>

#include "game/host.h"
#include "game/table_observer.h"
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
    // Shows the table's view on the widgets, so a box appears over the table as it stands.
    virtual void bringUpToDate() = 0;
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

class QtHost : public Host, public TableObserver {
public:
    // What it plays goes through the playback, which holds it back while a press is recorded
    // for paced play.
    QtHost(TableCanvas& canvas, HostWindow& window, Playback& playback, HostHooks hooks = {});

    // An uncovered table is laid on the felt read afresh; a felt that cannot be read beeps.
    void tableChanged(const TableView& view, const TableChange& change) override;
    void playSound(const std::string& file) override;
    void showMessage(const std::string& caption, const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    void reportError(const std::string& text) override;
    uint32_t clock() override;

    // The window is closing in the middle of a press: the box showing now, and every box after
    // it, is answered at once as its default button would answer it (OK, or No to a question),
    // so that the press runs to its end unattended. Errors go to the standard error instead.
    void answerBoxesUnattended();

private:
    // Brings the widgets up to date, then shows the box (or hands it to the hook).
    bool runBox(const BoxRequest& box);

    TableCanvas& canvas_;
    HostWindow& window_;
    Playback& playback_;
    SoundPlayer sounds_;
    HostHooks hooks_;
    bool unattended_ = false;
};

}  // namespace trelvist::ui
