// The sound system: wave sounds and music report their ends exactly once,
// on time, with or without an audio device; the file readers behind it.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "media/fluidsynth_library.h"
#include "media/midi_file.h"
#include "media/midi_synth.h"
#include "media/sound_system.h"
#include "media/wave_file.h"

using zx::SoundSystem;
using namespace zx::media;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void putBe(QByteArray& b, quint32 v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void putLe(QByteArray& b, quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void putVar(QByteArray& b, quint32 v) {
    QByteArray tmp;
    tmp.prepend(static_cast<char>(v & 0x7F));
    while (v >>= 7) tmp.prepend(static_cast<char>((v & 0x7F) | 0x80));
    b.append(tmp);
}

// A standard MIDI file from tracks of raw events (delta time included).
QByteArray midiFile(quint16 format, quint16 division, const QList<QByteArray>& tracks) {
    QByteArray b("MThd");
    putBe(b, 6, 4);
    putBe(b, format, 2);
    putBe(b, static_cast<quint32>(tracks.size()), 2);
    putBe(b, division, 2);
    for (const QByteArray& t : tracks) {
        b.append("MTrk");
        putBe(b, static_cast<quint32>(t.size()), 4);
        b.append(t);
    }
    return b;
}

QByteArray tempo(quint32 delta, quint32 microsPerQuarter) {
    QByteArray e;
    putVar(e, delta);
    e.append("\xFF\x51\x03", 3);
    putBe(e, microsPerQuarter, 3);
    return e;
}
QByteArray note(quint32 deltaOn, quint32 length) {
    QByteArray e;
    putVar(e, deltaOn);
    e.append("\x90\x3C\x64", 3);
    putVar(e, length);
    e.append("\x3C\x00", 2);  // running status
    return e;
}
QByteArray endOfTrack(quint32 delta = 0) {
    QByteArray e;
    putVar(e, delta);
    e.append("\xFF\x2F\x00", 3);
    return e;
}

// A piece of `ms` milliseconds at the default tempo (96 ticks = 500 ms).
QByteArray shortPiece(int ms) { return midiFile(0, 96, {note(0, static_cast<quint32>(ms * 96 / 500)) + endOfTrack()}); }

QByteArray waveFile(quint16 tag, quint16 channels, quint32 rate, quint16 bits, const QByteArray& data,
                    quint32 declaredDataSize, bool oddChunkFirst = false) {
    QByteArray fmt;
    putLe(fmt, tag, 2);
    putLe(fmt, channels, 2);
    putLe(fmt, rate, 4);
    putLe(fmt, rate * channels * bits / 8, 4);
    putLe(fmt, channels * bits / 8, 2);
    putLe(fmt, bits, 2);
    QByteArray body("WAVE");
    if (oddChunkFirst) body.append(QByteArray("LIST\x03\x00\x00\x00" "abc\x00", 12));
    body.append("fmt ");
    putLe(body, static_cast<quint32>(fmt.size()), 4);
    body.append(fmt);
    body.append("data");
    putLe(body, declaredDataSize, 4);
    body.append(data);
    QByteArray b("RIFF");
    putLe(b, static_cast<quint32>(body.size()), 4);
    return b + body;
}

// The tick the FluidSynth sequencer reaches its last event at, in ms of
// rendered audio: what the player hears as the end of the piece.
qint64 sequencerEndMs(const QByteArray& midi) {
    const FluidSynthLibrary* fs = FluidSynth();
    if (!fs) return -1;
    fs->fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_settings_t* settings = fs->new_fluid_settings();
    fs->fluid_settings_setstr(settings, "player.timing-source", "sample");
    fs->fluid_settings_setnum(settings, "synth.sample-rate", 44100);
    fluid_synth_t* synth = fs->new_fluid_synth(settings);
    fluid_player_t* player = fs->new_fluid_player(synth);
    fs->fluid_player_add_mem(player, midi.constData(), static_cast<size_t>(midi.size()));
    fs->fluid_player_play(player);
    const int block = 64;
    std::vector<float> buffer(2 * block);
    qint64 frames = 0, end = -1;
    while (end < 0 && frames < 44100LL * 600) {
        fs->fluid_synth_write_float(synth, block, buffer.data(), 0, 2, buffer.data(), 1, 2);
        frames += block;
        const int total = fs->fluid_player_get_total_ticks(player);
        if (total > 0 && fs->fluid_player_get_current_tick(player) >= total) end = frames * 1000 / 44100;
    }
    fs->delete_fluid_player(player);
    fs->delete_fluid_synth(synth);
    fs->delete_fluid_settings(settings);
    return end;
}

bool fluidSynthInMemory() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libfluidsynth");
}

const char* const kSoundFiles[] = {"Dice", "1", "2", "3", "4", "5", "6", "Move", "Money", "Computer", "Storm",
                                   "Earthquake", "Fire", "Positive", "Negative", "Wait", "Win", "Lose"};

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(tmp.isValid()); }

    // First, before anything here has played music.
    void theSynthesizerLoadsWhenMusicFirstPlays() {
        SoundSystem sound(SoundSystem::Output::Default);
        QSignalSpy done(&sound, &SoundSystem::soundDone);
        sound.play(QStringLiteral("Move.wav"));
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 2000);
        QVERIFY(!fluidSynthInMemory());

        MidiSynth synth;
        QVERIFY(synth.prepare(44100));
        QVERIFY(fluidSynthInMemory());
        QAudioFormat format;
        format.setSampleRate(44100);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Int16);
        MidiStream stream(synth, format, readAll(QStringLiteral(":/Music/Music1.mid")));
        QByteArray second(format.bytesForDuration(1'000'000), '\0');
        for (qint64 got = 0; got < second.size();) {
            const qint64 n = stream.read(second.data() + got, second.size() - got);
            QVERIFY(n > 0);
            got += n;
        }
        QVERIFY2(second.count('\0') < second.size() / 2, "the first second of music is silent");
    }

    // ---- the wave reader ----

    void everyGameSoundIsPlayable() {
        for (const char* name : kSoundFiles) {
            const auto wave = ReadWave(readAll(QStringLiteral(":/Sounds/%1.wav").arg(QLatin1String(name))));
            QVERIFY2(wave.has_value(), name);
            QVERIFY2(wave->durationMs > 0 && wave->durationMs < 5000, name);
            QCOMPARE(wave->pcm.size() % wave->format.bytesPerFrame(), 0);
        }
        const auto dice = ReadWave(readAll(QStringLiteral(":/Sounds/Dice.wav")));
        QCOMPARE(dice->format.sampleRate(), 22050);
        QCOMPARE(dice->format.channelCount(), 1);
        QCOMPARE(dice->format.sampleFormat(), QAudioFormat::Int16);
        QCOMPARE(dice->durationMs, 1251);  // 27563 frames, rounded up
    }

    void waveReaderCopesWithUnusualAndDamagedFiles() {
        const QByteArray second(88200, '\0');  // 1 s of 16-bit stereo at 22050 Hz

        // A chunk of odd length before the format is padded by one byte.
        auto padded = ReadWave(waveFile(1, 2, 22050, 16, second, 88200, true));
        QVERIFY(padded.has_value());
        QCOMPARE(padded->durationMs, 1000);

        // The data chunk claims more than the file holds, and ends mid-frame.
        auto cut = ReadWave(waveFile(1, 2, 22050, 16, second.left(44103), 88200));
        QVERIFY(cut.has_value());
        QCOMPARE(cut->pcm.size(), 44100);
        QCOMPARE(cut->durationMs, 500);

        // 24-bit samples are widened to 32 bits, keeping their value.
        QByteArray s24;
        putLe(s24, 0x123456, 3);
        putLe(s24, 0xFEDCBA, 3);
        auto wide = ReadWave(waveFile(1, 1, 8000, 24, s24, 6));
        QVERIFY(wide.has_value());
        QCOMPARE(wide->format.sampleFormat(), QAudioFormat::Int32);
        QCOMPARE(wide->pcm, QByteArray("\x00\x56\x34\x12\x00\xBA\xDC\xFE", 8));

        // Refused: compressed data, a broken block size, no format, not a wave.
        QVERIFY(!ReadWave(waveFile(2, 1, 22050, 4, second, 88200)).has_value());  // ADPCM
        QByteArray badAlign = waveFile(1, 2, 22050, 16, second, 88200);
        badAlign[12 + 8 + 12] = 3;
        QVERIFY(!ReadWave(badAlign).has_value());
        QVERIFY(!ReadWave(QByteArray("RIFF\x04\x00\x00\x00WAVEdata\x00\x00\x00\x00", 20)).has_value());
        QVERIFY(!ReadWave(QByteArray("RIFF")).has_value());
        QVERIFY(!ReadWave(readAll(QStringLiteral(":/Music/Music1.mid"))).has_value());
    }

    // ---- the MIDI length ----

    void midiLengthFollowsTempoChangesInAnyTrack() {
        // 96 ticks at 120 bpm (500 ms), then 96 ticks at 60 bpm (1000 ms);
        // the tempo track ends early, the longest track decides.
        const QByteArray conductor = tempo(0, 500000) + tempo(96, 1000000) + endOfTrack();
        const QByteArray melody = note(0, 192) + endOfTrack();
        QCOMPARE(MidiLengthMs(midiFile(1, 96, {conductor, melody})), std::optional<qint64>(1500));
        // Time code: 25 frames of 40 ticks per second.
        QCOMPARE(MidiLengthMs(midiFile(0, 0xE728, {note(0, 1000) + endOfTrack()})), std::optional<qint64>(1000));
        // A track cut short counts up to its last whole event.
        QByteArray cut = midiFile(0, 96, {note(0, 96) + note(96, 96) + endOfTrack()});
        cut.chop(6);
        QCOMPARE(MidiLengthMs(cut), std::optional<qint64>(1000));
        // Absurd lengths are capped.
        QCOMPARE(MidiLengthMs(midiFile(0, 1, {tempo(0, 0xFFFFFF) + note(0, 0x0FFFFFFF) + endOfTrack()})),
                 std::optional<qint64>(kMaxMidiLengthMs));

        QVERIFY(!MidiLengthMs(QByteArray()).has_value());
        QVERIFY(!MidiLengthMs(readAll(QStringLiteral(":/Sounds/Dice.wav"))).has_value());
        QVERIFY(!MidiLengthMs(midiFile(0, 0, {endOfTrack()})).has_value());
    }

    void midiLengthMatchesTheSequencer() {
        QStringList pieces{QStringLiteral(":/Sounds/Finish.mid")};
        for (int n = 1; n <= 7; ++n) pieces << QStringLiteral(":/Music/Music%1.mid").arg(n);
        for (const QString& path : pieces) {
            const QByteArray midi = readAll(path);
            const auto ours = MidiLengthMs(midi);
            QVERIFY2(ours.has_value(), qPrintable(path));
            const qint64 sequencer = sequencerEndMs(midi);
            QVERIFY2(qAbs(*ours - sequencer) <= 20,
                     qPrintable(QStringLiteral("%1: %2 ms, sequencer %3 ms").arg(path).arg(*ours).arg(sequencer)));
        }
    }

    // ---- wave sounds ----

    void soundEndsAreReportedOnceAndNeverFromInsidePlay_data() { outputs(); }
    void soundEndsAreReportedOnceAndNeverFromInsidePlay() {
        QFETCH(SoundSystem::Output, output);
        SoundSystem sound(output);
        QSignalSpy done(&sound, &SoundSystem::soundDone);
        for (const char* file : {"Move.wav", "Nope.wav", "Negative.wav"}) {
            sound.play(QString::fromLatin1(file));
            QCOMPARE(done.count(), 0);  // the game is still inside the handler that started it
            QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 2000);
            QVERIFY(!sound.soundPlaying());
            QTest::qWait(400);
            QCOMPARE(done.count(), 1);
            done.clear();
        }
        // Nothing playing: nothing to report.
        sound.stop();
        QTest::qWait(50);
        QCOMPARE(done.count(), 0);
    }

    void diceSoundEndsAfterItsLength_data() { outputs(); }
    void diceSoundEndsAfterItsLength() {
        QFETCH(SoundSystem::Output, output);
        SoundSystem sound(output);
        QSignalSpy done(&sound, &SoundSystem::soundDone);
        QElapsedTimer clock;
        clock.start();
        sound.play(QStringLiteral("Dice.wav"));
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 3000);
        const qint64 took = clock.elapsed();
        QVERIFY2(took >= 1150 && took <= 1251 + 500, qPrintable(QString::number(took)));
    }

    void aSoundCutOffReportsItsEndToo_data() { outputs(); }
    void aSoundCutOffReportsItsEndToo() {
        QFETCH(SoundSystem::Output, output);
        SoundSystem sound(output);
        QSignalSpy done(&sound, &SoundSystem::soundDone);
        QElapsedTimer clock;
        clock.start();
        sound.play(QStringLiteral("Win.wav"));
        sound.play(QStringLiteral("Nope.wav"));
        sound.play(QStringLiteral("Dice.wav"));
        QCOMPARE(done.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 500);  // Win and the missing file, at once
        sound.play(QStringLiteral("Move.wav"));           // cuts the dice
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 4, 1000);
        QVERIFY(clock.elapsed() < 1000);  // nobody waited for the dice or the win
        QTest::qWait(1500);               // nor does their own clock report them again
        QCOMPARE(done.count(), 4);
    }

    void stopReportsTheEndOfThePlayingSound_data() { outputs(); }
    void stopReportsTheEndOfThePlayingSound() {
        QFETCH(SoundSystem::Output, output);
        SoundSystem sound(output);
        QSignalSpy done(&sound, &SoundSystem::soundDone);
        sound.play(QStringLiteral("Dice.wav"));
        sound.stop();
        QCOMPARE(done.count(), 0);
        QVERIFY(!sound.soundPlaying());
        QVERIFY(!sound.soundAudible());
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 500);
        sound.stop();
        QTest::qWait(1400);
        QCOMPARE(done.count(), 1);
    }

    // ---- music ----

    void aPieceReportsItsEndOnce_data() { outputs(); }
    void aPieceReportsItsEndOnce() {
        QFETCH(SoundSystem::Output, output);
        SoundSystem sound(output);
        QSignalSpy done(&sound, &SoundSystem::musicDone);
        const QString piece = writeFile(QStringLiteral("short.mid"), shortPiece(400));
        QElapsedTimer clock;
        clock.start();
        sound.playMusic(piece);
        QVERIFY(sound.musicPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 4000);
        const qint64 took = clock.elapsed();
        QVERIFY2(took >= 350 && took <= 400 + 1500, qPrintable(QString::number(took)));
        QVERIFY(!sound.musicPlaying());
        // Past the notes ringing out and our own clock standing by.
        QTest::qWait(output == SoundSystem::Output::None ? 800 : 3500);
        QCOMPARE(done.count(), 1);
    }

    void stoppedOrReplacedMusicReportsNoEnd_data() { outputs(); }
    void stoppedOrReplacedMusicReportsNoEnd() {
        QFETCH(SoundSystem::Output, output);
        SoundSystem sound(output);
        QSignalSpy done(&sound, &SoundSystem::musicDone);
        const QString shortOne = writeFile(QStringLiteral("short.mid"), shortPiece(300));
        const QString longer = writeFile(QStringLiteral("longer.mid"), shortPiece(1200));

        sound.playMusic(shortOne);
        sound.stopMusic();
        QVERIFY(!sound.musicPlaying());
        QVERIFY(!sound.musicAudible());

        // A piece that cannot be read ends at once, but the report is
        // still on its way when the music is stopped: it must not arrive.
        sound.playMusic(QStringLiteral("Music/Nope.mid"));
        sound.stopMusic();

        sound.playMusic(shortOne);
        sound.playMusic(longer);  // only the second piece's end counts
        QTest::qWait(800);
        QCOMPARE(done.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 3000);
        QTest::qWait(1000);
        QCOMPARE(done.count(), 1);
    }

    void theGamesOwnPiecesStartAndStop() {
        SoundSystem sound(SoundSystem::Output::None);
        QSignalSpy done(&sound, &SoundSystem::musicDone);
        sound.playMusic(QStringLiteral("Sounds/Finish.mid"));
        QVERIFY(sound.musicPlaying());
        sound.playMusic(QStringLiteral("Music/Music7.mid"));
        QVERIFY(sound.musicPlaying());
        QTest::qWait(100);
        QCOMPARE(done.count(), 0);  // a minute of music, not an unreadable file
        sound.stopMusic();
        QVERIFY(!sound.musicPlaying());
    }

    void aMissingPieceEndsAtOnce() {
        SoundSystem sound(SoundSystem::Output::Default);
        QSignalSpy done(&sound, &SoundSystem::musicDone);
        sound.playMusic(QStringLiteral("Music/Music9.mid"));
        QCOMPARE(done.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 500);
    }

private:
    static void outputs() {
        QTest::addColumn<SoundSystem::Output>("output");
        QTest::newRow("silent") << SoundSystem::Output::None;
        QTest::newRow("default output") << SoundSystem::Output::Default;
    }

    QString writeFile(const QString& name, const QByteArray& data) {
        const QString path = tmp.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(data);
        return path;
    }

    QTemporaryDir tmp;
};

QTEST_MAIN(SoundTest)
#include "tst_sound.moc"
