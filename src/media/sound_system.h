#pragma once
// Plays the game's wave sounds and MIDI music and reports when each ends.

#include <QObject>
#include <QString>

namespace zx {

class SoundSystem : public QObject {
    Q_OBJECT
public:
    explicit SoundSystem(QObject* parent = nullptr);
    ~SoundSystem() override;

    // A wave sound from the sounds folder ("Dice.wav"); cuts off the one
    // playing. soundDone() follows for every sound started, always.
    void play(const QString& file);
    void stop();
    // A MIDI piece ("Music/Music1.mid", "Sounds/Finish.mid").
    void playMusic(const QString& file);
    void stopMusic();

signals:
    void soundDone();
    void musicDone();
};

}  // namespace zx
