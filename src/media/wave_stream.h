#pragma once
// The samples fed to the wave sounds' audio sink. The stream never runs
// dry: after a sound (or with none) it gives silence, so the device keeps
// one stream open and a new sound starts without opening another. Short
// sounds handed to a freshly opened stream may never reach the device's
// start threshold, and reopened Qt sinks shrink their buffer each time.

#include <QAudioFormat>
#include <QByteArray>
#include <QIODevice>

namespace zx::media {

class WaveStream : public QIODevice {
public:
    explicit WaveStream(const QAudioFormat& format, QObject* parent = nullptr);

    // Plays these samples (whole frames, in the stream's format) from their
    // start, cutting off what was playing.
    void setSound(const QByteArray& pcm);
    void clear() { setSound({}); }
    // Every sample of the last sound has been handed to the device.
    bool drained() const { return pos_ >= pcm_.size(); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QAudioFormat format_;
    QByteArray pcm_;
    qsizetype pos_ = 0;
};

}  // namespace zx::media
