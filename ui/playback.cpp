#include "ui/playback.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <string>

#include "game/table.h"

namespace trelvist::ui {

Playback::Playback(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Playback::playNext);
    qApp->installEventFilter(this);
}

int Playback::beatMilliseconds(PlaybackSpeed speed) {
    switch (speed) {
    case PlaybackSpeed::Normal: return 500;
    case PlaybackSpeed::Fast: return 150;
    case PlaybackSpeed::Instant: return 0;
    }
    return 0;
}

void Playback::startRecording() {
    finish();
    recording_ = speed_ != PlaybackSpeed::Instant;
}

void Playback::run(Effect effect) {
    if (recording_)
        held_.push_back(std::move(effect));
    else
        effect();
}

void Playback::markBeat(const TableView& view, int seat) {
    if (!recording_) return;
    beats_.push_back({std::move(held_), view, seat});
    held_.clear();
}

void Playback::stopRecording() {
    recording_ = false;
    runHeld();
    if (!beats_.empty()) playNext();
}

void Playback::runHeld() {
    std::vector<Effect> effects = std::move(held_);
    held_.clear();
    for (Effect& effect : effects) effect();
}

void Playback::playNext() {
    if (beats_.empty()) {
        emit finished();
        return;
    }
    Beat beat = std::move(beats_.front());
    beats_.pop_front();
    for (Effect& effect : beat.effects) effect();
    emit beatShown(beat.view, beat.seat);
    timer_.start(beatMilliseconds(speed_));
}

void Playback::finish() {
    if (!playing()) return;
    timer_.stop();
    while (!beats_.empty()) {
        for (Effect& effect : beats_.front().effects) effect();
        beats_.pop_front();
    }
    emit finished();
}

void Playback::drain() {
    if (beats_.empty()) return;
    QEventLoop loop;
    connect(this, &Playback::finished, &loop, &QEventLoop::quit);
    playNext();
    if (playing()) loop.exec();
}

bool Playback::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType() && !watched->isWindowType()) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!playing()) return false;
        finish();
        return true;
    case QEvent::ShortcutOverride:
        // A key that finishes the playback is spent: neither its shortcut nor its press acts.
        if (!playing()) return false;
        finish();
        swallowKey_ = true;
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (swallowKey_) {
            swallowKey_ = false;
            return true;
        }
        if (!playing()) return false;
        finish();
        return true;
    default:
        return false;
    }
}

Playback::Interruption::Interruption(Playback& playback) : playback_(playback), wasRecording_(playback.recording_) {
    if (!wasRecording_) return;
    playback_.recording_ = false;
    playback_.drain();
    playback_.runHeld();
}

Playback::Interruption::~Interruption() { playback_.recording_ = wasRecording_; }

void BeatMarker::beat(int seat) {
    // The acting seat's cash and the pot as they stand, even where the table rewrites its
    // labels only later in the press.
    TableView view = table_.view();
    if (seat != 0) view.seats[seat].cash = std::to_string(table_.state().cash[seat]);
    view.pot = std::to_string(table_.state().pot);
    playback_.markBeat(view, seat);
}

}  // namespace trelvist::ui
