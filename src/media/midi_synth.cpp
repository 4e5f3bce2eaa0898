#include "media/midi_synth.h"

#include <QFile>
#include <QtDebug>
#include <algorithm>
#include <cstring>
#include <mutex>

namespace zx::media {

namespace {

// Loud enough to be heard, soft enough that the game's effects stay on top
// (FluidSynth's own 0.2 is barely audible next to them): with the General
// MIDI soundfont the pieces come out at 30 to 33 dB under full scale (RMS),
// 10 dB and more under the effects' common 20 dB (tools/make_sounds.sh).
constexpr double kMusicGain = 0.6;
// How long the notes may ring out after the last event.
constexpr int kTailMs = 2500;
// The largest block rendered by one read.
constexpr qint64 kMaxFramesPerRead = 8192;

const char* const kSoundfonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

void logError(int, const char* message, void*) { qWarning("fluidsynth: %s", message); }

void quietLogs(const FluidSynthLibrary& fs) {
    // Warnings about missing presets and the like are not the player's business.
    fs.fluid_set_log_function(FLUID_PANIC, logError, nullptr);
    fs.fluid_set_log_function(FLUID_ERR, logError, nullptr);
    fs.fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fs.fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fs.fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
}

}  // namespace

MidiSynth::MidiSynth() = default;

MidiSynth::~MidiSynth() { release(); }

void MidiSynth::release() {
    if (synth_) fs_->delete_fluid_synth(synth_);
    if (settings_) fs_->delete_fluid_settings(settings_);
    synth_ = nullptr;
    settings_ = nullptr;
    rate_ = 0;
}

bool MidiSynth::prepare(int sampleRate) {
    if (failed_) return false;
    if (synth_ && rate_ == sampleRate) return true;
    release();

    if (!fs_) {
        fs_ = FluidSynth();
        if (!fs_) {
            failed_ = true;
            return false;
        }
        static std::once_flag logs;
        std::call_once(logs, quietLogs, *fs_);
    }
    settings_ = fs_->new_fluid_settings();
    if (!settings_) return false;
    fs_->fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    fs_->fluid_settings_setnum(settings_, "synth.gain", kMusicGain);
    // The sequencer must follow the samples rendered, not the wall clock:
    // the sink pulls in bursts, ahead of what is heard.
    fs_->fluid_settings_setstr(settings_, "player.timing-source", "sample");
    // A piece uses a handful of the soundfont's instruments: only theirs
    // are read into memory, when a channel selects them.
    fs_->fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    synth_ = fs_->new_fluid_synth(settings_);
    if (!synth_) {
        release();
        failed_ = true;
        return false;
    }
    for (const char* path : kSoundfonts) {
        if (!QFile::exists(QString::fromLatin1(path))) continue;
        if (fs_->fluid_synth_sfload(synth_, path, 1) != FLUID_FAILED) {
            soundfont_ = QString::fromLatin1(path);
            rate_ = sampleRate;
            return true;
        }
    }
    qWarning("No General MIDI soundfont: the music stays silent");
    release();
    failed_ = true;
    return false;
}

void MidiSynth::silence() {
    if (!synth_) return;
    fs_->fluid_synth_all_sounds_off(synth_, -1);
    fs_->fluid_synth_system_reset(synth_);
}

MidiStream::MidiStream(MidiSynth& synth, const QAudioFormat& format, const QByteArray& midi, QObject* parent)
    : QIODevice(parent), fs_(synth.library()), synth_(synth.synth()), format_(format),
      tailFramesLeft_(static_cast<qint64>(format.sampleRate()) * kTailMs / 1000) {
    synth.silence();
    player_ = synth_ ? fs_->new_fluid_player(synth_) : nullptr;
    // The player copies the data.
    if (player_ && fs_->fluid_player_add_mem(player_, midi.constData(), static_cast<size_t>(midi.size())) == FLUID_OK &&
        fs_->fluid_player_play(player_) == FLUID_OK) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    } else {
        detach();
    }
}

MidiStream::~MidiStream() { detach(); }

void MidiStream::detach() {
    if (!player_) return;
    fs_->fluid_player_stop(player_);
    fs_->delete_fluid_player(player_);
    player_ = nullptr;
    fs_->fluid_synth_all_sounds_off(synth_, -1);
}

qint64 MidiStream::bytesAvailable() const {
    if (finished()) return QIODevice::bytesAvailable();
    return tailFramesLeft_ * format_.bytesPerFrame() + QIODevice::bytesAvailable();
}

bool MidiStream::reachedEnd() const {
    // The sequencer knows the length only once it has read the file, during
    // the first rendering.
    const int total = fs_->fluid_player_get_total_ticks(player_);
    if (total > 0 && fs_->fluid_player_get_current_tick(player_) >= total) return true;
    return fs_->fluid_player_get_status(player_) == FLUID_PLAYER_DONE;
}

qint64 MidiStream::readData(char* data, qint64 maxSize) {
    if (finished()) return 0;
    const int bytesPerFrame = format_.bytesPerFrame();
    qint64 frames = std::min(maxSize / bytesPerFrame, kMaxFramesPerRead);
    if (ended_) frames = std::min(frames, tailFramesLeft_);
    if (frames <= 0) return 0;

    const int n = static_cast<int>(frames);
    if (format_.sampleFormat() == QAudioFormat::Float) {
        auto* out = reinterpret_cast<float*>(data);
        fs_->fluid_synth_write_float(synth_, n, out, 0, 2, out, 1, 2);
    } else {
        auto* out = reinterpret_cast<short*>(data);
        fs_->fluid_synth_write_s16(synth_, n, out, 0, 2, out, 1, 2);
    }
    if (ended_) {
        tailFramesLeft_ -= frames;
    } else if (reachedEnd()) {
        ended_ = true;
        emit musicalEnd();
    }
    return frames * bytesPerFrame;
}

}  // namespace zx::media
