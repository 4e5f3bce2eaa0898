#include "media/sound_system.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <system_error>
#include <utility>

#include "media/midi_file.h"
#include "media/midi_synth.h"
#include "media/wave_file.h"
#include "media/wave_stream.h"

namespace zx {

namespace {

// Qt's ffmpeg media backend crashes in its audio thread on a machine
// without an audio device; GStreamer copes. A choice made by the user's
// environment is respected.
void preferSafeMediaBackend() {
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
}
Q_CONSTRUCTOR_FUNCTION(preferSafeMediaBackend)

// No sound or piece of ours comes near this; a bigger file is not one of them.
constexpr qint64 kMaxFileBytes = 32LL * 1024 * 1024;
// The wave sounds' stream stays open this long after a sound has ended,
// for the next one; the game plays them in quick succession while a piece
// walks and money is counted, and opening a stream costs a delay.
constexpr int kWaveKeepOpenMs = 5000;
// Audio buffered ahead, in microseconds: a new sound starts this late; the
// music, rendered on demand, needs more room against a busy moment.
constexpr qint64 kWaveBufferUs = 80'000;
constexpr qint64 kMusicBufferUs = 250'000;
// When the sequencer paces the end of a piece, our own clock reports it
// only if the device has stopped asking for samples for this long.
constexpr qint64 kMusicGraceMs = 3000;

QString normalized(const QString& file) {
    QString f = file;
    f.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return f;
}

bool isPath(const QString& f) { return f.startsWith(QLatin1String(":/")) || QDir::isAbsolutePath(f); }

// "Dice.wav" is in the sounds folder of the resources.
QString soundPath(const QString& file) {
    const QString f = normalized(file);
    return isPath(f) ? f : QStringLiteral(":/Sounds/") + f;
}

// "Music/Music1.mid" and "Sounds/Finish.mid" are relative to the resources' root.
QString musicPath(const QString& file) {
    const QString f = normalized(file);
    return isPath(f) ? f : QStringLiteral(":/") + f;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    if (f.size() > kMaxFileBytes) return {};
    return f.read(kMaxFileBytes);
}

int timerMs(qint64 ms) { return static_cast<int>(std::clamp<qint64>(ms, 0, INT_MAX)); }

QAudioFormat musicFormat(const QAudioDevice& device) {
    QAudioFormat f;
    f.setChannelCount(2);
    f.setSampleRate(44100);
    f.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(f)) return f;
    const int preferredRate = device.preferredFormat().sampleRate();
    if (preferredRate > 0) f.setSampleRate(preferredRate);
    if (device.isFormatSupported(f)) return f;
    f.setSampleFormat(QAudioFormat::Float);
    if (device.isFormatSupported(f)) return f;
    return {};
}

bool isFailure(QAudio::Error e) { return e == QAudio::OpenError || e == QAudio::IOError || e == QAudio::FatalError; }

}  // namespace

SoundSystem::SoundSystem(QObject* parent) : SoundSystem(Output::Default, parent) {}

SoundSystem::SoundSystem(Output output, QObject* parent)
    : QObject(parent), output_(output), soundTimer_(new QTimer(this)), waveCloseTimer_(new QTimer(this)),
      musicTimer_(new QTimer(this)) {
    preferSafeMediaBackend();
    soundTimer_->setSingleShot(true);
    // The dice sound paces the roll.
    soundTimer_->setTimerType(Qt::PreciseTimer);
    connect(soundTimer_, &QTimer::timeout, this, [this] { finishSound(soundId_); });
    waveCloseTimer_->setSingleShot(true);
    connect(waveCloseTimer_, &QTimer::timeout, this, [this] {
        if (!waveStream_) return;
        if (waveStream_->drained())
            releaseWaveOutput();
        else
            waveCloseTimer_->start(kWaveKeepOpenMs);
    });
    musicTimer_->setSingleShot(true);
    connect(musicTimer_, &QTimer::timeout, this, [this] { finishMusic(musicId_); });
    // The synthesizer is made when a piece is first played, never at start:
    // most games are played with the music off.
}

SoundSystem::~SoundSystem() {
    if (synthLoading_.valid()) synthLoading_.wait();
    // The sequencer must go before the synthesizer it plays on.
    releaseMusicOutput();
    releaseWaveOutput();
}

// ---- wave sounds ----

std::shared_ptr<const media::WaveSound> SoundSystem::loadWave(const QString& path) {
    // Resources never change: read each sound once (the move sound plays
    // at every step). Files on disk are read every time.
    const bool resource = path.startsWith(QLatin1String(":/"));
    if (resource) {
        auto it = waveCache_.constFind(path);
        if (it != waveCache_.constEnd()) return it.value();
    }
    std::shared_ptr<const media::WaveSound> wave;
    if (auto read = media::ReadWave(readFile(path))) wave = std::make_shared<const media::WaveSound>(std::move(*read));
    if (resource) waveCache_.insert(path, wave);
    return wave;
}

void SoundSystem::play(const QString& file) {
    // The sound cut off has ended too; its report comes first.
    if (soundPlaying()) finishSound(soundId_);
    const quint64 id = ++soundSerial_;
    soundId_ = id;
    soundFile_ = file;
    soundReported_ = false;

    const auto wave = loadWave(soundPath(file));
    if (!wave) {
        stopWaveOutput();
        finishSound(id);
        return;
    }
    if (output_ == Output::None || !startWaveOutput(*wave)) stopWaveOutput();
    // The sound's own length decides its end: a device reports it late, or
    // never when there is none or it is suspended.
    soundTimer_->start(timerMs(wave->durationMs));
}

void SoundSystem::stop() {
    if (soundPlaying()) finishSound(soundId_);
    stopWaveOutput();
}

void SoundSystem::finishSound(quint64 id) {
    if (id == 0 || id != soundId_ || soundReported_) return;
    soundReported_ = true;
    soundTimer_->stop();
    // Never from inside play() or stop(): the game may be in the middle of
    // the handler that started the sound.
    QMetaObject::invokeMethod(this, [this, file = soundFile_] { emit soundDone(file); }, Qt::QueuedConnection);
}

bool SoundSystem::startWaveOutput(const media::WaveSound& wave) {
    if (QMediaDevices::audioOutputs().isEmpty()) return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(wave.format)) return false;

    if (waveSink_ && (waveSinkFormat_ != wave.format || waveSinkDevice_ != device.id() ||
                      waveSink_->state() == QAudio::StoppedState))
        releaseWaveOutput();
    waveSinkSound_ = soundId_;
    waveCloseTimer_->start(timerMs(wave.durationMs + kWaveKeepOpenMs));
    if (waveSink_) {
        waveStream_->setSound(wave.pcm);
        return true;
    }

    QAudioSink* sink = new QAudioSink(device, wave.format, this);
    sink->setBufferSize(static_cast<qsizetype>(wave.format.bytesForDuration(kWaveBufferUs)));
    // Owned by the sink, so that it outlives every read the sink may make.
    waveStream_ = new media::WaveStream(wave.format, sink);
    waveStream_->setSound(wave.pcm);
    waveSink_ = sink;
    waveSinkFormat_ = wave.format;
    waveSinkDevice_ = device.id();
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        if (sink != waveSink_ || state != QAudio::StoppedState || !isFailure(sink->error())) return;
        // The device has gone: the sound ends now, the next one opens anew.
        finishSound(waveSinkSound_);
        QMetaObject::invokeMethod(
            this,
            [this, sink] {
                if (sink == waveSink_) releaseWaveOutput();
            },
            Qt::QueuedConnection);
    });
    sink->start(waveStream_);
    if (sink->state() == QAudio::StoppedState) {
        releaseWaveOutput();
        return false;
    }
    return true;
}

void SoundSystem::stopWaveOutput() {
    waveSinkSound_ = 0;
    if (waveStream_) waveStream_->clear();
}

void SoundSystem::releaseWaveOutput() {
    waveCloseTimer_->stop();
    waveSinkSound_ = 0;
    waveStream_ = nullptr;
    if (!waveSink_) return;
    QAudioSink* sink = waveSink_;
    waveSink_ = nullptr;
    sink->disconnect(this);
    sink->stop();
    // We may be inside one of its signals.
    sink->deleteLater();
}

bool SoundSystem::soundAudible() const {
    return soundPlaying() && waveSink_ && waveSinkSound_ == soundId_ && waveSink_->state() != QAudio::StoppedState;
}

// ---- music ----

void SoundSystem::playMusic(const QString& file) {
    stopMusic();
    const quint64 id = ++musicSerial_;
    musicId_ = id;
    musicReported_ = false;

    const QByteArray midi = readFile(musicPath(file));
    const std::optional<qint64> length = midi.isEmpty() ? std::nullopt : media::MidiLengthMs(midi);
    musicLengthMs_ = length.value_or(-1);
    musicClock_.start();

    if (output_ == Output::Default && !midi.isEmpty() && startMusicOutput(midi)) {
        // The sequencer reports the end; our clock only stands in for a
        // device that has stopped asking for samples.
        if (length) musicTimer_->start(timerMs(*length + kMusicGraceMs));
    } else if (length) {
        musicTimer_->start(timerMs(*length));
    } else {
        finishMusic(id);
    }
}

void SoundSystem::stopMusic() {
    musicTimer_->stop();
    // A report already on its way for this piece is dropped on arrival.
    musicId_ = 0;
    musicReported_ = true;
    musicLengthMs_ = -1;
    releaseMusicOutput();
}

void SoundSystem::finishMusic(quint64 id) {
    if (id == 0 || id != musicId_ || musicReported_) return;
    musicReported_ = true;
    musicTimer_->stop();
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            if (id == musicId_) emit musicDone();
        },
        Qt::QueuedConnection);
}

bool SoundSystem::startMusicOutput(const QByteArray& midi) {
    if (QMediaDevices::audioOutputs().isEmpty()) return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    const QAudioFormat format = musicFormat(device);
    if (!format.isValid()) return false;
    if (synth_ || synthLoading_.valid()) {
        if (synthLoading_.valid()) {
            // Still loading: the piece starts when it is ready.
            pendingMidi_ = midi;
            return true;
        }
        return synth_->prepare(format.sampleRate()) && openMusicSink(midi, device, format);
    }
    // The first piece: the library and the soundfont take a moment to load,
    // which the game goes on without; the piece starts that much later.
    const int rate = format.sampleRate();
    auto load = [rate] {
        auto synth = std::make_unique<media::MidiSynth>();
        synth->prepare(rate);
        return synth;
    };
    try {
        synthLoading_ = std::async(std::launch::async, [this, load] {
            auto synth = load();
            // Waited for by the destructor, so `this` is still there.
            QMetaObject::invokeMethod(this, [this] { onSynthLoaded(); }, Qt::QueuedConnection);
            return synth;
        });
    } catch (const std::system_error&) {
        // No thread to spare: load it here and now.
        synth_ = load();
        return synth_->prepare(rate) && openMusicSink(midi, device, format);
    }
    pendingMidi_ = midi;
    return true;
}

void SoundSystem::onSynthLoaded() {
    if (!synthLoading_.valid()) return;
    synth_ = synthLoading_.get();
    if (pendingMidi_.isEmpty()) return;
    const QByteArray midi = std::exchange(pendingMidi_, QByteArray());
    bool started = false;
    if (musicPlaying() && !QMediaDevices::audioOutputs().isEmpty()) {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        const QAudioFormat format = musicFormat(device);
        started = !device.isNull() && format.isValid() && synth_->prepare(format.sampleRate()) &&
                  openMusicSink(midi, device, format);
    }
    if (!started) onMusicOutputFailed();
}

bool SoundSystem::openMusicSink(const QByteArray& midi, const QAudioDevice& device, const QAudioFormat& format) {
    musicSink_ = new QAudioSink(device, format, this);
    musicSink_->setBufferSize(static_cast<qsizetype>(format.bytesForDuration(kMusicBufferUs)));
    // Owned by the sink, so that it outlives every read the sink may make.
    musicStream_ = new media::MidiStream(*synth_, format, midi, musicSink_);
    if (!musicStream_->isOpen()) {
        releaseMusicOutput();
        return false;
    }
    const quint64 id = musicId_;
    connect(musicStream_, &media::MidiStream::musicalEnd, this, [this, id] { finishMusic(id); },
            Qt::QueuedConnection);
    QAudioSink* sink = musicSink_;
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        if (sink != musicSink_) return;
        if (state == QAudio::IdleState && musicStream_->finished()) {
            QMetaObject::invokeMethod(
                this,
                [this, sink] {
                    if (sink == musicSink_) releaseMusicOutput();
                },
                Qt::QueuedConnection);
        } else if (state == QAudio::StoppedState && isFailure(sink->error())) {
            QMetaObject::invokeMethod(
                this,
                [this, sink] {
                    if (sink == musicSink_) onMusicOutputFailed();
                },
                Qt::QueuedConnection);
        }
    });
    musicSink_->start(musicStream_);
    if (musicSink_->state() == QAudio::StoppedState) {
        releaseMusicOutput();
        return false;
    }
    return true;
}

void SoundSystem::onMusicOutputFailed() {
    releaseMusicOutput();
    if (!musicPlaying()) return;
    // Finish the piece silently, on time.
    if (musicLengthMs_ >= 0)
        musicTimer_->start(timerMs(musicLengthMs_ - musicClock_.elapsed()));
    else
        finishMusic(musicId_);
}

void SoundSystem::releaseMusicOutput() {
    pendingMidi_.clear();
    if (musicStream_) {
        musicStream_->disconnect(this);
        musicStream_->detach();
        musicStream_ = nullptr;
    }
    if (musicSink_) {
        QAudioSink* sink = musicSink_;
        musicSink_ = nullptr;
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
    }
}

bool SoundSystem::musicAudible() const { return musicPlaying() && musicSink_ != nullptr; }

}  // namespace zx
