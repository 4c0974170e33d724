#pragma once
// Plays the game's short sounds by file name without waiting for them; a new sound stops
// the one still playing.
#include <QSoundEffect>
#include <QString>
#include <map>
#include <memory>

namespace trelvist::ui {

class SoundPlayer {
public:
    // False, playing nothing, when there is no such file. Without an audio device the sound
    // is silently skipped, after one line on stderr the first time.
    bool play(const QString& name);

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;  // loaded on first use
    QSoundEffect* playing_ = nullptr;
};

}  // namespace trelvist::ui
