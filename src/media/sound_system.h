#pragma once
// Plays the game's wave sounds and MIDI music and reports when each ends.
//
// The end reports pace the game (the dice roll goes on when the dice sound
// has ended, the next piece of music follows the end of the last one), so
// they never depend on an audio device being there: without one, or when a
// file cannot be played, the end still comes, after the sound's own length
// where that is known and at once otherwise.

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <future>
#include <memory>

class QAudioDevice;
class QAudioSink;
class QTimer;

namespace zx {

namespace media {
struct WaveSound;
class WaveStream;
class MidiSynth;
class MidiStream;
}  // namespace media

class SoundSystem : public QObject {
    Q_OBJECT
public:
    enum class Output {
        Default,  // the system's default audio output, when there is one
        None,     // silent: only the end reports (tests, muted runs)
    };

    explicit SoundSystem(QObject* parent = nullptr);
    explicit SoundSystem(Output output, QObject* parent = nullptr);
    ~SoundSystem() override;

    // A wave sound from the sounds folder ("Dice.wav"); cuts off the one
    // playing. soundDone() follows for every sound started, always, once.
    void play(const QString& file);
    // Cuts off the sound playing; its end is reported.
    void stop();
    // A MIDI piece ("Music/Music1.mid", "Sounds/Finish.mid"), replacing the
    // one playing. musicDone() follows once when the piece has been played
    // to its end; stopMusic() or another playMusic() cancel that report.
    void playMusic(const QString& file);
    void stopMusic();

    // A sound has been started and its end not yet reported.
    bool soundPlaying() const { return soundId_ != 0 && !soundReported_; }
    // A piece has been started and neither ended nor been stopped.
    bool musicPlaying() const { return musicId_ != 0 && !musicReported_; }
    // The current sound / piece goes to an audio device.
    bool soundAudible() const;
    bool musicAudible() const;

signals:
    // `file` is the sound that ended, as it was passed to play().
    void soundDone(const QString& file);
    void musicDone();

private:
    std::shared_ptr<const media::WaveSound> loadWave(const QString& path);
    bool startWaveOutput(const media::WaveSound& wave);
    void stopWaveOutput();
    void releaseWaveOutput();
    void finishSound(quint64 id);

    // False when the piece cannot be heard; true when it plays or will as
    // soon as the synthesizer has loaded.
    bool startMusicOutput(const QByteArray& midi);
    bool openMusicSink(const QByteArray& midi, const QAudioDevice& device, const QAudioFormat& format);
    void onSynthLoaded();
    void releaseMusicOutput();
    void finishMusic(quint64 id);
    void onMusicOutputFailed();

    Output output_;

    // Wave sounds. Ids tell the end reports of successive sounds apart.
    quint64 soundSerial_ = 0;
    quint64 soundId_ = 0;
    QString soundFile_;
    bool soundReported_ = true;
    QTimer* soundTimer_;
    QTimer* waveCloseTimer_;
    QAudioSink* waveSink_ = nullptr;
    media::WaveStream* waveStream_ = nullptr;
    QAudioFormat waveSinkFormat_;
    QByteArray waveSinkDevice_;
    quint64 waveSinkSound_ = 0;
    QHash<QString, std::shared_ptr<const media::WaveSound>> waveCache_;

    // Music.
    quint64 musicSerial_ = 0;
    quint64 musicId_ = 0;
    bool musicReported_ = true;
    qint64 musicLengthMs_ = -1;  // -1: unknown
    QElapsedTimer musicClock_;
    QTimer* musicTimer_;
    std::unique_ptr<media::MidiSynth> synth_;
    std::future<std::unique_ptr<media::MidiSynth>> synthLoading_;
    QByteArray pendingMidi_;  // the piece waiting for the synthesizer
    QAudioSink* musicSink_ = nullptr;
    media::MidiStream* musicStream_ = nullptr;
};

}  // namespace zx
