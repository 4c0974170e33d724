#include "ui/sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>
#include <cstdio>

#include "ui/data_files.h"

namespace trelvist::ui {

namespace {

// Asks the audio system once, at the first sound, whether there is anything to play on.
// Without a sound server Qt's audio backend complains in several lines of its own, and every
// sound would add one more; those are held back, and the program says it once, plainly.
bool audioOutputAvailable() {
    static const bool available = [] {
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        const bool found = !QMediaDevices::audioOutputs().isEmpty();
        qInstallMessageHandler(previous);
        if (!found) std::fputs("trelvist: no audio device found; the game plays without sound\n", stderr);
        return found;
    }();
    return available;
}

}  // namespace

bool SoundPlayer::play(const QString& name) {
    const QString path = dataFile(name);
    if (!QFileInfo(path).isFile()) return false;
    if (!audioOutputAvailable()) return true;
    auto& effect = effects_[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    }
    if (playing_ && playing_ != effect.get()) playing_->stop();
    playing_ = effect.get();
    effect->play();  // a sound still loading starts once it is loaded
    return true;
}

}  // namespace trelvist::ui
