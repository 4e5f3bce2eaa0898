#pragma once
// The playing time of a standard MIDI file, worked out from its events and
// tempo changes, so that the end of a piece can be reported on time even
// when nothing renders it (no audio device, no soundfont).

#include <QByteArray>
#include <optional>

namespace zx::media {

// Milliseconds from the start to the last event of the longest track, as a
// sequencer playing the file reaches it. Nothing for a file that is not a
// standard MIDI file. Damaged tracks count up to their last sound event.
std::optional<qint64> MidiLengthMs(const QByteArray& file);

// Longest length ever reported, far beyond any piece of music.
inline constexpr qint64 kMaxMidiLengthMs = 6LL * 3600 * 1000;

}  // namespace zx::media
