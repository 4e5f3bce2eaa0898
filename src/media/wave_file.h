#pragma once
// Reading a RIFF/WAVE file into samples a QAudioSink can play, and its
// length. The length matters even when nothing can be heard: the dice roll
// goes on when the dice sound has ended.

#include <QAudioFormat>
#include <QByteArray>
#include <optional>

namespace zx::media {

struct WaveSound {
    QAudioFormat format;     // what the samples in pcm are
    QByteArray pcm;          // whole frames only
    qint64 durationMs = 0;   // rounded up, so the end is never reported early
};

// Uncompressed PCM (8, 16, 24 or 32 bit integers) and 32-bit float, plain
// or in the extensible header. Anything else, or a damaged header, gives
// nothing. A data chunk longer than the file is cut to what is there.
std::optional<WaveSound> ReadWave(const QByteArray& file);

}  // namespace zx::media
