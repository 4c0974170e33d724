#include "ui/sound_player.h"

#include <QFileInfo>
#include <QUrl>

#include "ui/data_files.h"

namespace trelvist::ui {

bool SoundPlayer::play(const QString& name) {
    const QString path = dataFile(name);
    if (!QFileInfo(path).isFile()) return false;
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
