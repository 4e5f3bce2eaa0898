#include "media/midi_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace zx::media {

namespace {

constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter note (120 bpm)

struct TempoChange {
    std::uint64_t tick;
    std::uint32_t tempo;
};

class TrackReader {
public:
    TrackReader(const unsigned char* data, std::uint64_t size) : p_(data), size_(size) {}

    // The tick of the track's last event; tempo changes are collected.
    std::uint64_t read(std::vector<TempoChange>& tempos) {
        std::uint64_t tick = 0, lastGood = 0;
        unsigned char running = 0;
        while (pos_ < size_) {
            std::uint32_t delta = 0;
            if (!varLength(delta)) break;
            tick += delta;
            if (pos_ >= size_) break;
            unsigned char status = p_[pos_];
            if (status < 0x80) {
                if (running == 0) break;
                status = running;
            } else {
                ++pos_;
            }
            if (status < 0xF0) {
                running = status;
                const unsigned kind = status & 0xF0u;
                const std::uint64_t dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                if (pos_ + dataBytes > size_) break;
                pos_ += dataBytes;
            } else if (status == 0xF0 || status == 0xF7) {
                running = 0;
                std::uint32_t length = 0;
                if (!varLength(length) || pos_ + length > size_) break;
                pos_ += length;
            } else if (status == 0xFF) {
                running = 0;
                if (pos_ >= size_) break;
                const unsigned char type = p_[pos_++];
                std::uint32_t length = 0;
                if (!varLength(length) || pos_ + length > size_) break;
                if (type == 0x51 && length == 3) {
                    const std::uint32_t tempo = (static_cast<std::uint32_t>(p_[pos_]) << 16) |
                                                (static_cast<std::uint32_t>(p_[pos_ + 1]) << 8) | p_[pos_ + 2];
                    tempos.push_back({tick, tempo});
                }
                pos_ += length;
                if (type == 0x2F) return tick;  // end of track
            } else {
                break;  // system messages do not belong in a file
            }
            lastGood = tick;
        }
        return lastGood;
    }

private:
    bool varLength(std::uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            if (pos_ >= size_) return false;
            const unsigned char b = p_[pos_++];
            value = (value << 7) | (b & 0x7Fu);
            if ((b & 0x80u) == 0) return true;
        }
        return false;
    }

    const unsigned char* p_;
    std::uint64_t size_;
    std::uint64_t pos_ = 0;
};

std::uint32_t be32(const unsigned char* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}
std::uint16_t be16(const unsigned char* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }

}  // namespace

std::optional<qint64> MidiLengthMs(const QByteArray& file) {
    const auto* p = reinterpret_cast<const unsigned char*>(file.constData());
    const std::uint64_t size = static_cast<std::uint64_t>(file.size());
    if (size < 14 || std::memcmp(p, "MThd", 4) != 0) return std::nullopt;
    const std::uint64_t headerLength = be32(p + 4);
    if (headerLength < 6 || 8 + headerLength > size) return std::nullopt;
    const std::uint16_t tracks = be16(p + 10);
    const std::uint16_t division = be16(p + 12);
    if (division == 0) return std::nullopt;

    std::vector<TempoChange> tempos;
    std::uint64_t endTick = 0;
    int tracksRead = 0;
    std::uint64_t pos = 8 + headerLength;
    while (pos + 8 <= size && tracksRead < tracks) {
        const unsigned char* chunk = p + pos;
        const std::uint64_t length = be32(chunk + 4);
        const std::uint64_t body = pos + 8;
        const std::uint64_t available = std::min<std::uint64_t>(length, size - body);
        if (std::memcmp(chunk, "MTrk", 4) == 0) {
            endTick = std::max(endTick, TrackReader(chunk + 8, available).read(tempos));
            ++tracksRead;
        }
        pos = body + length;
    }
    if (tracksRead == 0) return std::nullopt;

    double micros = 0;
    if (division & 0x8000u) {
        // Time code: frames per second (stored negated) times ticks per frame.
        const int fps = -static_cast<int>(static_cast<std::int8_t>(division >> 8));
        const int ticksPerFrame = division & 0xFF;
        if (fps <= 0 || ticksPerFrame == 0) return std::nullopt;
        const double framesPerSecond = fps == 29 ? 29.97 : fps;
        micros = static_cast<double>(endTick) * 1e6 / (framesPerSecond * ticksPerFrame);
    } else {
        // A tempo change in any track applies to all of them.
        std::stable_sort(tempos.begin(), tempos.end(),
                         [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
        std::uint64_t lastTick = 0;
        double tempo = kDefaultTempo;
        for (const TempoChange& change : tempos) {
            if (change.tick >= endTick) break;
            micros += static_cast<double>(change.tick - lastTick) * tempo / division;
            lastTick = change.tick;
            tempo = change.tempo;
        }
        micros += static_cast<double>(endTick - lastTick) * tempo / division;
    }
    const double ms = std::ceil(micros / 1000.0);
    if (!(ms < static_cast<double>(kMaxMidiLengthMs))) return kMaxMidiLengthMs;
    return static_cast<qint64>(ms);
}

}  // namespace zx::media
