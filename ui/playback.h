#pragma once
// Paced play: while a press runs, what it plays is held back, and the table's events mark
// beats, each with the table's view; afterwards the window shows the press beat by beat, one opponent's
// action, one street at a time. The engine stays synchronous: this only replays it.
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

#include "game/table_view.h"
#include "game/table_observer.h"

namespace trelvist {
class Table;
}

namespace trelvist::ui {

enum class PlaybackSpeed { Normal = 0, Fast = 1, Instant = 2 };

class Playback : public QObject {
    Q_OBJECT
public:
    using Effect = std::function<void()>;

    explicit Playback(QObject* parent = nullptr);

    void setSpeed(PlaybackSpeed speed) { speed_ = speed; }
    PlaybackSpeed speed() const { return speed_; }
    // The pause between two beats.
    static int beatMilliseconds(PlaybackSpeed speed);

    // Starts holding back a press's effects; at Instant it holds nothing.
    void startRecording();
    // Runs an effect now, or holds it for its beat while a press is recorded.
    void run(Effect effect);
    // A beat: the table as it shows now, with the seat that acted (0 for none) highlighted.
    void markBeat(const TableView& view, int seat);
    // The press is over: its beats play from now on, the first at once.
    void stopRecording();

    // Shows every beat recorded so far with its pauses, before the press waits for the
    // person (a box, a modal window); meanwhile the effects run at once.
    class Interruption {
    public:
        explicit Interruption(Playback& playback);
        ~Interruption();
        Interruption(const Interruption&) = delete;
        Interruption& operator=(const Interruption&) = delete;

    private:
        Playback& playback_;
        bool wasRecording_;
    };

    // Shows the rest at once.
    void finish();
    bool playing() const { return timer_.isActive() || !beats_.empty(); }

signals:
    // Shows a beat's table; `seat` acted in it (0 for none).
    void beatShown(const TableView& view, int seat);
    // Every beat is shown: the window shows the table as the press left it.
    void finished();

protected:
    // A click or key while beats are still to come finishes the playback and goes no further.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Beat {
        std::vector<Effect> effects;  // the sounds that lead up to it
        TableView view;
        int seat = 0;
    };
    void playNext();
    void drain();  // plays the recorded beats with their pauses, returning when all are shown
    void runHeld();

    PlaybackSpeed speed_ = PlaybackSpeed::Normal;
    bool recording_ = false;
    bool swallowKey_ = false;
    std::vector<Effect> held_;  // effects since the last beat
    std::deque<Beat> beats_;
    QTimer timer_;
};

// Marks a beat at every blind, action, street and hand end the table tells.
class BeatMarker : public TableObserver {
public:
    BeatMarker(Playback& playback, const Table& table) : playback_(playback), table_(table) {}

    void blindPosted(int seat, bool, int32_t, int32_t) override { beat(seat); }
    void acted(int seat, Move, int32_t) override { beat(seat); }
    void streetTurned(int, std::span<const Card>) override { beat(0); }
    void handEnded(int32_t, std::string_view) override { beat(0); }

private:
    void beat(int seat);

    Playback& playback_;
    const Table& table_;
};

}  // namespace trelvist::ui
