#include "media/wave_file.h"

#include <cstdint>
#include <cstring>

namespace zx::media {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// QAudioFormat has no 24-bit samples: widen them to 32 bits.
QByteArray widen24(const unsigned char* p, qsizetype samples) {
    QByteArray out(samples * 4, Qt::Uninitialized);
    auto* o = reinterpret_cast<unsigned char*>(out.data());
    for (qsizetype i = 0; i < samples; ++i) {
        o[4 * i] = 0;
        o[4 * i + 1] = p[3 * i];
        o[4 * i + 2] = p[3 * i + 1];
        o[4 * i + 3] = p[3 * i + 2];
    }
    return out;
}

}  // namespace

std::optional<WaveSound> ReadWave(const QByteArray& file) {
    const auto* p = reinterpret_cast<const unsigned char*>(file.constData());
    const std::uint64_t size = static_cast<std::uint64_t>(file.size());
    if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) return std::nullopt;

    bool haveFormat = false;
    std::uint16_t tag = 0, channels = 0, blockAlign = 0, bits = 0;
    std::uint32_t rate = 0;
    const unsigned char* data = nullptr;
    std::uint64_t dataBytes = 0;

    std::uint64_t pos = 12;
    while (pos + 8 <= size && data == nullptr) {
        const unsigned char* chunk = p + pos;
        const std::uint64_t length = le32(chunk + 4);
        const std::uint64_t body = pos + 8;
        const std::uint64_t available = size - body;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16 || length > available) return std::nullopt;
            tag = le16(chunk + 8);
            channels = le16(chunk + 10);
            rate = le32(chunk + 12);
            blockAlign = le16(chunk + 20);
            bits = le16(chunk + 22);
            if (tag == kFormatExtensible) {
                // The real format is the first two bytes of the sub-format GUID.
                if (length < 40) return std::nullopt;
                tag = le16(chunk + 8 + 24);
            }
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return std::nullopt;
            data = chunk + 8;
            dataBytes = length < available ? length : available;
        }
        // Chunks are padded to an even length.
        pos = body + length + (length & 1);
    }
    if (!haveFormat || data == nullptr) return std::nullopt;
    if (channels == 0 || rate == 0 || rate > 1'000'000) return std::nullopt;

    QAudioFormat::SampleFormat sampleFormat = QAudioFormat::Unknown;
    if (tag == kFormatPcm) {
        if (bits == 8) sampleFormat = QAudioFormat::UInt8;
        else if (bits == 16) sampleFormat = QAudioFormat::Int16;
        else if (bits == 24 || bits == 32) sampleFormat = QAudioFormat::Int32;
    } else if (tag == kFormatFloat && bits == 32) {
        sampleFormat = QAudioFormat::Float;
    }
    if (sampleFormat == QAudioFormat::Unknown) return std::nullopt;
    if (blockAlign != channels * (bits / 8)) return std::nullopt;

    const std::uint64_t frames = dataBytes / blockAlign;
    WaveSound wave;
    wave.format.setSampleRate(static_cast<int>(rate));
    wave.format.setChannelCount(channels);
    wave.format.setSampleFormat(sampleFormat);
    const auto wholeBytes = static_cast<qsizetype>(frames * blockAlign);
    if (bits == 24)
        wave.pcm = widen24(data, static_cast<qsizetype>(frames * channels));
    else
        wave.pcm = QByteArray(reinterpret_cast<const char*>(data), wholeBytes);
    wave.durationMs = static_cast<qint64>((frames * 1000 + rate - 1) / rate);
    return wave;
}

}  // namespace zx::media
