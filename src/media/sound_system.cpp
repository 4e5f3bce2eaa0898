#include "media/sound_system.h"

#include <QTimer>

namespace zx {

SoundSystem::SoundSystem(QObject* parent) : QObject(parent) {}
SoundSystem::~SoundSystem() = default;

void SoundSystem::play(const QString&) {
    QTimer::singleShot(0, this, &SoundSystem::soundDone);
}

void SoundSystem::stop() {}
void SoundSystem::playMusic(const QString&) {}
void SoundSystem::stopMusic() {}

}  // namespace zx
