#pragma once
// MIDI music through FluidSynth: one synthesizer with the General MIDI
// soundfont, made when music first plays and kept for the rest of the run,
// and a stream that renders one piece for a QAudioSink pulling samples.

#include <QAudioFormat>
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "media/fluidsynth_library.h"

namespace zx::media {

// Preparing one takes a noticeable moment (the library is loaded and the
// soundfont, 6 MB, read); it may be done on another thread, then handed over.
class MidiSynth {
public:
    MidiSynth();
    ~MidiSynth();
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    // Makes the synthesizer ready to render at this rate, loading the
    // soundfont the first time. False when there is no usable soundfont;
    // that is remembered, so a broken installation costs one attempt only.
    bool prepare(int sampleRate);
    fluid_synth_t* synth() const { return synth_; }
    const FluidSynthLibrary* library() const { return fs_; }
    QString soundfont() const { return soundfont_; }
    // Cuts every voice still sounding, before the next piece.
    void silence();

private:
    void release();

    const FluidSynthLibrary* fs_ = nullptr;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int rate_ = 0;
    bool failed_ = false;
    QString soundfont_;
};

// Renders one piece on demand. Reads never block: the synthesizer writes
// exactly what is asked for. After the last event a short tail lets the
// notes ring out, then reads return nothing.
class MidiStream : public QIODevice {
    Q_OBJECT
public:
    // format: 2 channels, Int16 or Float.
    MidiStream(MidiSynth& synth, const QAudioFormat& format, const QByteArray& midi, QObject* parent = nullptr);
    ~MidiStream() override;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    // Frees the sequencer at once; reads return nothing afterwards. The sink
    // may outlive the stream's use, the sequencer must not outlive the piece.
    void detach();
    bool finished() const { return player_ == nullptr || tailFramesLeft_ <= 0; }

signals:
    // The sequencer reached the last event. Emitted from inside a read:
    // connect queued.
    void musicalEnd();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool reachedEnd() const;

    const FluidSynthLibrary* fs_;
    fluid_synth_t* synth_;
    fluid_player_t* player_ = nullptr;
    QAudioFormat format_;
    bool ended_ = false;
    qint64 tailFramesLeft_;
};

}  // namespace zx::media
