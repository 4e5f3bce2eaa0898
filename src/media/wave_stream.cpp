#include "media/wave_stream.h"

#include <algorithm>
#include <cstring>

namespace zx::media {

namespace {
// What a read offers when asked how much there is: the stream is endless.
constexpr qint64 kOffered = 1 << 16;
}  // namespace

WaveStream::WaveStream(const QAudioFormat& format, QObject* parent) : QIODevice(parent), format_(format) {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void WaveStream::setSound(const QByteArray& pcm) {
    pcm_ = pcm;
    pos_ = 0;
}

qint64 WaveStream::bytesAvailable() const { return kOffered + QIODevice::bytesAvailable(); }

qint64 WaveStream::readData(char* data, qint64 maxSize) {
    const int frame = std::max(1, format_.bytesPerFrame());
    const qint64 size = maxSize - maxSize % frame;
    const qint64 sound = std::min<qint64>(size, pcm_.size() - pos_);
    if (sound > 0) {
        std::memcpy(data, pcm_.constData() + pos_, static_cast<size_t>(sound));
        pos_ += sound;
    }
    // Unsigned 8-bit samples are silent at their midpoint.
    const int silence = format_.sampleFormat() == QAudioFormat::UInt8 ? 0x80 : 0;
    std::memset(data + std::max<qint64>(sound, 0), silence, static_cast<size_t>(size - std::max<qint64>(sound, 0)));
    return size;
}

}  // namespace zx::media
