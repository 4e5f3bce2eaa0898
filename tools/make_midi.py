#!/usr/bin/env python3
"""Compose the Zentrix music and write it as Standard MIDI Files.

Everything is written here from scratch: a small Standard MIDI File writer
(format 1, one conductor track plus one track per instrument) and eight pieces
written out as note lists and chord charts.

  assets/Music/Music1.mid .. Music7.mid   calm background pieces (they loop)
  assets/Sounds/Finish.mid                triumphant ending for game over

Only the Python standard library is used.  The output is deterministic.

Usage:  python3 tools/make_midi.py [--root DIR]    (DIR defaults to the repo)
        python3 tools/make_midi.py --check FILE.mid ...   (only verify files)
"""

import argparse
import os
import random
import struct
import sys
from fractions import Fraction as F

PPQ = 480  # ticks per quarter note

# --------------------------------------------------------------------------
# General MIDI programs used (0-based numbers)
ACOUSTIC_GRAND = 0
ELECTRIC_PIANO = 4
HARPSICHORD = 6
CELESTA = 8
MUSIC_BOX = 10
VIBRAPHONE = 11
MARIMBA = 12
NYLON_GUITAR = 24
ACOUSTIC_BASS = 32
FINGERED_BASS = 33
CELLO = 42
PIZZICATO = 45
HARP = 46
TIMPANI = 47
STRINGS = 48
SLOW_STRINGS = 49
TRUMPET = 56
TROMBONE = 57
TUBA = 58
FRENCH_HORN = 60
BRASS_SECTION = 61
CLARINET = 71
FLUTE = 73
WARM_PAD = 89
KALIMBA = 108

DRUMS = 9  # the General MIDI percussion channel (channel 10)

# General MIDI percussion keys
KICK = 35
SIDE_STICK = 37
SNARE = 38
PEDAL_HIHAT = 44
CRASH = 49
RIDE = 51
RIDE_BELL = 53
MUTE_HI_CONGA = 62
OPEN_HI_CONGA = 63
LOW_CONGA = 64
CABASA = 69
MARACAS = 70
CLAVES = 75

# --------------------------------------------------------------------------
# Pitches, chords and a tiny melody notation

NOTE_BASE = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}


def pitch(name):
    """'C4' -> 60, 'F#3' -> 54, 'Bb5' -> 82."""
    letter = name[0].upper()
    i, acc = 1, 0
    while i < len(name) and name[i] in '#b':
        acc += 1 if name[i] == '#' else -1
        i += 1
    return 12 * (int(name[i:]) + 1) + NOTE_BASE[letter] + acc


def parse_duration(text):
    return F(text)  # accepts '1', '0.5', '1/3', '3/2'


def melody(text, bar=4):
    """Parse a melody line into [(start, duration, [pitches])].

    Tokens are separated by spaces: 'E5:1' (note and length in quarter
    notes), 'C4+E4+G4:2' (several notes together), 'r:1' (a rest), '-:2' (the
    previous note is held two beats longer, e.g. over a bar line).  A token
    without ':' keeps the previous length.  '|' marks a bar line and is
    checked against the bar length, which catches counting mistakes.
    """
    t = F(0)
    dur = F(1)
    out = []
    bars = 0
    for tok in text.replace('|', ' | ').split():
        if tok == '|':
            bars += 1
            if t % F(bar):
                raise ValueError('bar line %d falls at beat %s, inside a bar, in %r'
                                 % (bars, t, text[:60]))
            continue
        if ':' in tok:
            name, d = tok.split(':')
            dur = parse_duration(d)
        else:
            name = tok
        if name == '-':
            # a tie: the previous note lasts longer
            s0, d0, ps0 = out[-1]
            out[-1] = (s0, d0 + dur, ps0)
        elif name != 'r':
            out.append((t, dur, [pitch(n) for n in name.split('+')]))
        t += dur
    return out, t


CHORD_SHAPES = {
    '': (0, 4, 7), 'm': (0, 3, 7), '7': (0, 4, 7, 10), 'maj7': (0, 4, 7, 11),
    'm7': (0, 3, 7, 10), '6': (0, 4, 7, 9), 'm6': (0, 3, 7, 9),
    'dim': (0, 3, 6), 'dim7': (0, 3, 6, 9), 'm7b5': (0, 3, 6, 10),
    'sus4': (0, 5, 7), '7sus4': (0, 5, 7, 10), '9': (0, 4, 7, 10, 14),
    'add9': (0, 4, 7, 14), 'maj9': (0, 4, 7, 11, 14), 'm9': (0, 3, 7, 10, 14),
}


class Chord:
    def __init__(self, symbol):
        self.symbol = symbol
        body, _, bass = symbol.partition('/')
        i = 1
        while i < len(body) and body[i] in '#b':
            i += 1
        self.root = (NOTE_BASE[body[0]] + body[1:i].count('#') - body[1:i].count('b')) % 12
        self.shape = CHORD_SHAPES[body[i:]]
        if bass:
            self.bass = (NOTE_BASE[bass[0]] + bass[1:].count('#') - bass[1:].count('b')) % 12
        else:
            self.bass = self.root

    def pcs(self):
        return [(self.root + iv) % 12 for iv in self.shape]

    def fifth(self):
        for iv in self.shape:
            if iv in (6, 7):
                return (self.root + iv) % 12
        return (self.root + 7) % 12

    def third(self):
        for iv in self.shape:
            if iv in (3, 4, 5):
                return (self.root + iv) % 12
        return self.root


def lowest(pc, low):
    """The lowest pitch with pitch class pc at or above low."""
    return low + (pc - low) % 12


def voicing(chord, low, drop_root=False, add_ninth=False):
    """Close voicing of the chord with every note at or above low."""
    pcs = chord.pcs()
    if drop_root:
        pcs = [p for p in pcs if p != chord.root]
        if add_ninth and len(pcs) >= 3:
            # rootless jazz voicing: third, seventh, ninth (and no fifth)
            fifth = chord.fifth()
            pcs = [p for p in pcs if p != fifth] + [(chord.root + 2) % 12]
    return sorted(lowest(pc, low) for pc in set(pcs))


def chord_tones(chord, low, count, from_bass=False):
    """Chord tones going up from low (or from the chord's bass note at or
    above low), for arpeggios and harmony notes."""
    pcs = set(chord.pcs())
    out = []
    p = lowest(chord.bass, low) if from_bass else low
    while len(out) < count:
        if p % 12 in pcs:
            out.append(p)
        p += 1
    return out


def chart(text, bar=4):
    """Parse a chord chart: 'C | Am | Dm7 G7 | C:3 G7:1 |' -> [(start, dur, Chord)].

    Chords in a bar share it equally unless they carry ':length'."""
    out = []
    t = F(0)
    for cell in text.split('|'):
        items = cell.split()
        if not items:
            continue
        lengths = []
        for it in items:
            lengths.append(parse_duration(it.split(':')[1]) if ':' in it else None)
        known = sum(x for x in lengths if x is not None)
        free = sum(1 for x in lengths if x is None)
        for it, ln in zip(items, lengths):
            d = ln if ln is not None else (F(bar) - known) / free
            out.append((t, d, Chord(it.split(':')[0])))
            t += d
        if sum(x if x is not None else (F(bar) - known) / free for x in lengths) != bar:
            raise ValueError('chord bar %r is not %s beats long' % (cell, bar))
    return out, t


def chord_at(chords, t):
    for start, dur, c in chords:
        if start <= t < start + dur:
            return c
    return chords[-1][2]


def swing(t):
    """Swing the eighth notes: the off-beat moves from 1/2 to 2/3 of a beat."""
    beat = F(int(t))
    f = t - beat
    if f <= F(1, 2):
        return beat + f * F(4, 3)
    return beat + F(2, 3) + (f - F(1, 2)) * F(2, 3)


# --------------------------------------------------------------------------
# Songs and the Standard MIDI File writer

class Track:
    def __init__(self, song, name, program, channel, volume, pan, reverb, chorus, seed):
        self.song = song
        self.name = name
        self.program = program
        self.channel = channel
        self.volume = volume
        self.pan = pan
        self.reverb = reverb
        self.chorus = chorus
        self.notes = []  # (start, duration, pitch, velocity), times in beats
        self.rng = random.Random(seed)

    def note(self, start, dur, p, vel, swung=False, human=4):
        if swung:
            end = swing(start + dur)
            start = swing(start)
            dur = end - start
        vel = max(1, min(127, vel + (self.rng.randint(-human, human) if human else 0)))
        self.notes.append((F(start), F(dur), int(p), int(vel)))

    def add(self, notes, offset=0, vel=80, transpose=0, legato=1, swung=False, accent=None):
        """Add parsed melody notes.  accent(start) may return a velocity change."""
        for start, dur, ps in notes:
            for p in ps:
                v = vel + (accent(start) if accent else 0)
                self.note(offset + start, dur * legato, p + transpose, v, swung=swung)


class Song:
    def __init__(self, title, tempo, beats_per_bar=4, beat_unit=4):
        self.title = title
        self.tempo = tempo  # quarter notes per minute
        self.beats_per_bar = beats_per_bar
        self.beat_unit = beat_unit
        self.tracks = []
        self.tempo_changes = []  # (beat, qpm)
        self.length = F(0)

    def track(self, name, program, channel, volume=100, pan=64, reverb=50, chorus=0):
        tr = Track(self, name, program, channel, volume, pan, reverb, chorus,
                   seed='%s/%s' % (self.title, name))
        self.tracks.append(tr)
        return tr

    def seconds(self):
        return song_seconds(self.tempo, self.tempo_changes, ticks(self.length))

    def write(self, path):
        chunks = [self._conductor()] + [self._track_chunk(tr) for tr in self.tracks]
        data = b'MThd' + struct.pack('>IHHH', 6, 1, len(chunks), PPQ)
        for c in chunks:
            data += b'MTrk' + struct.pack('>I', len(c)) + c
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, 'wb') as f:
            f.write(data)

    def _conductor(self):
        end = ticks(self.length)
        ev = [(0, 0, meta(0x03, self.title.encode('ascii'))),
              (0, 0, meta(0x58, bytes([self.beats_per_bar, {2: 1, 4: 2, 8: 3}[self.beat_unit],
                                       36 if self.beat_unit == 8 else 24, 8]))),
              (0, 0, meta(0x51, tempo_bytes(self.tempo)))]
        for beat, qpm in self.tempo_changes:
            ev.append((ticks(beat), 0, meta(0x51, tempo_bytes(qpm))))
        return encode_events(ev, end)

    def _track_chunk(self, tr):
        ch = tr.channel
        ev = [(0, 0, meta(0x03, tr.name.encode('ascii')))]
        if ch != DRUMS:
            ev.append((0, 0, bytes([0xC0 | ch, tr.program])))
        for cc, val in ((7, tr.volume), (10, tr.pan), (91, tr.reverb), (93, tr.chorus)):
            ev.append((0, 0, bytes([0xB0 | ch, cc, val])))
        # a note must end before the same key sounds again on the channel
        notes = sorted(tr.notes, key=lambda n: (n[2], n[0]))
        fixed = []
        for i, (s, d, p, v) in enumerate(notes):
            e = s + d
            if i + 1 < len(notes) and notes[i + 1][2] == p and notes[i + 1][0] < e:
                e = notes[i + 1][0]
            if e > self.length:
                e = self.length
            if ticks(e) <= ticks(s):
                continue
            fixed.append((s, e, p, v))
        for s, e, p, v in fixed:
            ev.append((ticks(s), 2, bytes([0x90 | ch, p, v])))
            ev.append((ticks(e), 1, bytes([0x80 | ch, p, 64])))
        return encode_events(ev, ticks(self.length))


def ticks(beats):
    return int(round(F(beats) * PPQ))


def tempo_bytes(qpm):
    return struct.pack('>I', int(round(60000000 / qpm)))[1:]


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def meta(kind, payload):
    return bytes([0xFF, kind]) + vlq(len(payload)) + payload


def encode_events(events, end_tick):
    """events: (tick, order, bytes); order 0 = setup, 1 = note off, 2 = note on."""
    events = sorted(events, key=lambda e: (e[0], e[1]))
    out = bytearray()
    now = 0
    for t, _, data in events:
        out += vlq(t - now) + data
        now = t
    out += vlq(max(0, end_tick - now)) + meta(0x2F, b'')
    return bytes(out)


def song_seconds(tempo, changes, end_tick):
    tmap = sorted([(0, tempo)] + [(ticks(b), q) for b, q in changes])
    secs = 0.0
    for i, (t, q) in enumerate(tmap):
        nxt = tmap[i + 1][0] if i + 1 < len(tmap) else end_tick
        if t >= end_tick:
            break
        secs += (min(nxt, end_tick) - t) / PPQ * 60.0 / q
    return secs


# --------------------------------------------------------------------------
# Reading a file back, to verify what was written

def read_vlq(data, i):
    n = 0
    for _ in range(4):
        b = data[i]
        i += 1
        n = (n << 7) | (b & 0x7F)
        if not b & 0x80:
            return n, i
    raise ValueError('variable-length number longer than 4 bytes')


def check_midi(path):
    """Parse a Standard MIDI File strictly; return a summary dict or raise."""
    with open(path, 'rb') as f:
        data = f.read()
    if data[:4] != b'MThd':
        raise ValueError('no MThd header')
    hlen, fmt, ntrks, division = struct.unpack('>IHHH', data[4:14])
    if hlen != 6 or fmt != 1 or division & 0x8000:
        raise ValueError('unexpected header: len %d format %d division %d' % (hlen, fmt, division))
    pos = 8 + hlen
    tempos = []
    notes = 0
    programs = set()
    channels = set()
    end_ticks = 0
    for tn in range(ntrks):
        if data[pos:pos + 4] != b'MTrk':
            raise ValueError('track %d: no MTrk chunk' % tn)
        (length,) = struct.unpack('>I', data[pos + 4:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if len(body) != length:
            raise ValueError('track %d: chunk length %d past end of file' % (tn, length))
        pos += 8 + length
        i = 0
        t = 0
        status = None
        sounding = {}
        ended = False
        while i < len(body):
            if ended:
                raise ValueError('track %d: events after end of track' % tn)
            dt, i = read_vlq(body, i)
            t += dt
            b = body[i]
            if b & 0x80:
                status = b
                i += 1
            elif status is None:
                raise ValueError('track %d: running status without status' % tn)
            if status == 0xFF:
                kind = body[i]
                ln, i = read_vlq(body, i + 1)
                payload = body[i:i + ln]
                i += ln
                if kind == 0x51:
                    tempos.append((t, (payload[0] << 16) | (payload[1] << 8) | payload[2]))
                elif kind == 0x2F:
                    ended = True
                status = None
            elif status in (0xF0, 0xF7):
                ln, i = read_vlq(body, i)
                i += ln
                status = None
            else:
                kind = status & 0xF0
                ch = status & 0x0F
                nbytes = 1 if kind in (0xC0, 0xD0) else 2
                args = body[i:i + nbytes]
                i += nbytes
                if any(a & 0x80 for a in args):
                    raise ValueError('track %d: data byte out of range' % tn)
                channels.add(ch)
                if kind == 0xC0:
                    programs.add((ch, args[0]))
                elif kind == 0x90 and args[1] > 0:
                    key = (ch, args[0])
                    if sounding.get(key):
                        raise ValueError('track %d: key %d started twice' % (tn, args[0]))
                    sounding[key] = True
                    notes += 1
                elif kind == 0x80 or (kind == 0x90 and args[1] == 0):
                    key = (ch, args[0])
                    if not sounding.get(key):
                        raise ValueError('track %d: key %d ended but not sounding' % (tn, args[0]))
                    sounding[key] = False
        if i != len(body):
            raise ValueError('track %d: events run past the chunk' % tn)
        if not ended:
            raise ValueError('track %d: no end-of-track event' % tn)
        if any(sounding.values()):
            raise ValueError('track %d: notes still sounding at the end' % tn)
        end_ticks = max(end_ticks, t)
    if pos != len(data):
        raise ValueError('%d stray bytes after the last track' % (len(data) - pos))
    if not tempos:
        raise ValueError('no tempo event')
    tmap = sorted(tempos)
    secs = 0.0
    for k, (t, us) in enumerate(tmap):
        nxt = tmap[k + 1][0] if k + 1 < len(tmap) else end_ticks
        secs += max(0, min(nxt, end_ticks) - t) / division * us / 1e6
    return {'tracks': ntrks, 'notes': notes, 'seconds': secs,
            'programs': sorted(programs), 'channels': sorted(channels), 'bytes': len(data)}


# --------------------------------------------------------------------------
# Accompaniment helpers

def bass_pitch(pc, low=36):
    return lowest(pc, low)


def block_chords(track, chords, low, vel, hits=None, length=None, bar=4):
    """Hold each chord (or strike it at the given beats inside every bar)."""
    for start, dur, c in chords:
        if hits is None:
            for p in voicing(c, low):
                track.note(start, length or dur, p, vel)
        else:
            for h in hits:
                if h < dur:
                    for p in voicing(c, low):
                        track.note(start + h, length or 1, p, vel)


def arpeggio(track, chords, low, pattern, step, vel, length=None, accent=8, span=8):
    """Play chord tones in a pattern (indexes into the tones above low)."""
    for start, dur, c in chords:
        tones = chord_tones(c, low, span, from_bass=True)
        n = int(dur / step)
        for k in range(n):
            idx = pattern[k % len(pattern)]
            v = vel + (accent if k == 0 else 0)
            track.note(start + k * step, length or step * 2, tones[idx], v)


# --------------------------------------------------------------------------
# 1. A gentle piano waltz in F major

def piece_waltz():
    s = Song('Zentrix waltz', tempo=96, beats_per_bar=3)
    rh = s.track('Piano melody', ACOUSTIC_GRAND, 0, volume=122, pan=70, reverb=60)
    lh = s.track('Piano accompaniment', ACOUSTIC_GRAND, 1, volume=112, pan=58, reverb=60)
    form = ('F | F | Gm7 | C7 | Gm7 | C7 | F | F |'
            'F | F7 | Bb | Bbm | F | D7 | Gm7:2 C7:1 | F |'
            'Dm | Dm | Bb | Bb | Gm | Gm | C7 | C7 |'
            'F | F7 | Bb | Bbm | F | D7 | Gm7:2 C7:1 | F |')
    chords, length = chart(form, bar=3)
    tune = ('A4:2 Bb4:1 | C5:3 | D5:2 C5:1 | Bb4:3 | G4:1 Bb4:1 D5:1 | C5:2 Bb4:1 | A4:3 | r:1 A4:1 C5:1 |'
            'F5:2 C5:1 | Eb5:2 C5:1 | D5:2 Bb4:1 | Db5:2 Bb4:1 | A4:2 C5:1 | D5:1 C5:1 A4:1 | Bb4:1 A4:1 G4:1 | F4:2 r:1 |'
            'A4:1 D5:1 E5:1 | F5:3 | F4:1 Bb4:1 C5:1 | D5:3 | Bb4:1 D5:1 F5:1 | G5:2 F5:1 | E5:2 C5:1 | Bb4:2 G4:1 |'
            'A4:2 Bb4:1 | C5:2 Eb5:1 | D5:2 Bb4:1 | Db5:2 Bb4:1 | A4:2 C5:1 | D5:1 C5:1 A4:1 | Bb4:1 A4:1 G4:1 | F4:2 r:1 |')
    notes, tl = melody(tune, bar=3)
    assert tl == length
    rh.add(notes, vel=84, legato=F(19, 20), accent=lambda t: 6 if t % 3 == 0 else 0)
    # a soft lower third under the long notes of the tune
    for start, dur, ps in notes:
        if dur >= 2:
            c = chord_at(chords, start)
            below = [p for p in chord_tones(c, ps[0] - 9, 4) if ps[0] - 9 <= p < ps[0] - 2]
            if below:
                rh.note(start, dur * F(19, 20), below[-1], 52)
    # left hand: bass on one, chord on two and three
    bar_no = 0
    for start, dur, c in chords:
        for b in range(int(dur)):
            t = start + b
            if b == 0:
                first_of_bar = (t % 3 == 0)
                if first_of_bar:
                    bar_no += 1
                pc = c.bass if (bar_no % 2 or not first_of_bar) else c.fifth()
                lh.note(t, F(5, 2) if dur >= 3 else dur, bass_pitch(pc, 41), 66)
            else:
                for p in voicing(c, 55):
                    lh.note(t, F(4, 5), p, 46 if b == 1 else 42)
    s.length = length
    return s


# --------------------------------------------------------------------------
# 2. A bossa nova: nylon guitar, flute, acoustic bass, light percussion

def piece_bossa():
    s = Song('Zentrix bossa', tempo=126)
    fl = s.track('Flute', FLUTE, 0, volume=90, pan=72, reverb=60)
    gt = s.track('Nylon guitar', NYLON_GUITAR, 1, volume=100, pan=50, reverb=50)
    bs = s.track('Bass', ACOUSTIC_BASS, 2, volume=100, pan=64, reverb=30)
    dr = s.track('Percussion', 0, DRUMS, volume=80, pan=64, reverb=40)
    a = 'Cmaj7 | Cmaj7 | D7 | D7 | Dm7 | G7 | Em7 A7 | Dm7 G7 |'
    a2 = 'Cmaj7 | Cmaj7 | D7 | D7 | Dm7 | G7 | Cmaj7 | Cmaj7 |'
    b = 'Fmaj7 | Fmaj7 | Fm7 | Bb7 | Em7 | A7 | Dm7 | G7 |'
    chords, length = chart(a + a2 + b + a)
    line_a = ('r:1 G4:1/2 A4:1/2 B4:1 C5:1/2 E5:1/2 | -:3 r:1/2 E5:1/2 |'
              'F#5:3/2 E5:1/2 D5:1 C5:1/2 A4:1/2 | -:3 r:1/2 A4:1/2 |'
              'C5:3/2 A4:1/2 C5:1 D5:1 | F5:2 D5:1 B4:1 |')
    tune = (line_a + 'E5:3/2 D5:1/2 C#5:3/2 A4:1/2 | D5:3/2 C5:1/2 B4:1 r:1 |'
            + line_a + 'C5:4 | r:5/2 C5:1/2 E5:1/2 G5:1/2 |'
            'A5:3 G5:1/2 E5:1/2 | C5:3 r:1/2 C5:1/2 | Ab4:3/2 C5:1/2 Eb5:2 | D5:3/2 C5:1/2 Ab4:2 |'
            'G4:3/2 B4:1/2 D5:2 | C#5:3/2 B4:1/2 G4:2 | F4:3/2 A4:1/2 C5:2 | B4:3/2 A4:1/2 F4:2 |'
            + line_a + 'E5:3/2 D5:1/2 C#5:3/2 A4:1/2 | D5:3/2 C5:1/2 B4:1 r:1 |')
    notes, tl = melody(tune)
    assert tl == length, (tl, length)
    fl.add(notes, vel=72, legato=F(9, 10))
    # guitar: the bossa comping rhythm over two bars, in eighth notes
    hits = {0: (0, 3, 6), 1: (2, 5)}
    for bar in range(int(length / 4)):
        for e in hits[bar % 2]:
            t = F(bar * 4) + F(e, 2)
            c = chord_at(chords, t)
            for p in voicing(c, 53):
                gt.note(t, F(3, 4), p, 54 if e == 0 else 48)
    # bass: root held, fifth on the "and" of two, root again on three
    for start, dur, c in chords:
        r = bass_pitch(c.bass, 36)
        f5 = bass_pitch(c.fifth(), 31)
        bs.note(start, F(3, 2), r, 76)
        bs.note(start + F(3, 2), F(1, 2), f5, 62)
        if dur == 4:
            bs.note(start + 2, F(3, 2), f5 if f5 > r else r, 70)
            bs.note(start + F(7, 2), F(1, 2), r, 60)
    # percussion: bossa clave on the side stick, soft cabasa eighths
    clave = (0, 3, 6, 10, 12)
    for bar in range(0, int(length / 4), 2):
        t0 = F(bar * 4)
        for e in clave:
            dr.note(t0 + F(e, 2), F(1, 4), SIDE_STICK, 46)
        for e in range(16):
            dr.note(t0 + F(e, 2), F(1, 4), CABASA, 34 if e % 2 else 26)
        dr.note(t0, F(1, 2), KICK, 44)
        dr.note(t0 + 4, F(1, 2), KICK, 40)
    s.length = length
    return s


# --------------------------------------------------------------------------
# 3. Light swing jazz: vibraphone, electric piano, walking bass, brushes-like ride

def piece_jazz():
    s = Song('Zentrix vibes', tempo=112)
    vb = s.track('Vibraphone', VIBRAPHONE, 0, volume=96, pan=76, reverb=60)
    pn = s.track('Electric piano', ELECTRIC_PIANO, 1, volume=84, pan=50, reverb=50, chorus=30)
    bs = s.track('Walking bass', ACOUSTIC_BASS, 2, volume=104, pan=64, reverb=30)
    dr = s.track('Drums', 0, DRUMS, volume=70, pan=64, reverb=40)
    a1 = 'Fmaj7 | D7 | Gm7 | C7 | Am7 | D7 | Gm7 | C7 |'
    a2 = 'Fmaj7 | D7 | Gm7 | C7 | Am7 | D7 | Gm7 C7 | F6 |'
    b = 'Cm7 | F7 | Bbmaj7 | Bbmaj7 | Am7 | D7 | Gm7 | C7 |'
    chords, length = chart(a1 + a2 + b + a1)
    head = ('A4:3/2 C5:1/2 E5:2 | D5:3/2 C5:1/2 A4:2 | Bb4:3/2 D5:1/2 F5:2 | E5:1 D5:1/2 C5:1/2 Bb4:2 |'
            'C5:3/2 E5:1/2 G5:2 | F#5:1 E5:1/2 D5:1/2 C5:2 |')
    tune = (head + 'D5:1/2 F5:1/2 A5:1/2 G5:1/2 F5:1 D5:1 | E5:3/2 C5:1/2 Bb4:1 G4:1 |'
            + head + 'Bb4:1 D5:1 E5:1 G5:1 | F5:3 r:1 |'
            'r:1/2 G4:1/2 Bb4:1/2 C5:1/2 Eb5:3/2 D5:1/2 | C5:1 A4:1/2 C5:1/2 Eb5:2 | D5:4 | r:1 D5:1/2 C5:1/2 A4:1 F4:1 |'
            'r:1/2 E4:1/2 G4:1/2 A4:1/2 C5:3/2 B4:1/2 | A4:1 F#4:1 C5:2 | Bb4:3/2 A4:1/2 G4:1 F4:1 | E5:3/2 D5:1/2 C5:1 Bb4:1 |'
            + head + 'D5:1/2 F5:1/2 A5:1/2 G5:1/2 F5:1 D5:1 | E5:3/2 C5:1/2 Bb4:1 G4:1 |')
    notes, tl = melody(tune)
    assert tl == length, (tl, length)
    vb.add(notes, vel=70, legato=F(9, 10), swung=True,
           accent=lambda t: 5 if t % 1 == F(1, 2) else 0)
    # electric piano: rootless voicings in a light Charleston rhythm
    bar_count = int(length / 4)
    for start, dur, c in chords:
        v = voicing(c, 52, drop_root=True, add_ninth=True)
        pattern = ((0, F(3, 2)), (F(3, 2), F(1, 2))) if dur == 4 else ((0, F(3, 2)),)
        if dur == 4 and int(start / 4) % 2:
            pattern = ((F(1, 2), 1), (F(5, 2), 1))
        for off, ln in pattern:
            for p in v:
                pn.note(start + off, ln, p, 44, swung=True)
    # walking bass: root, chord tone, chord tone, approach note
    for k, (start, dur, c) in enumerate(chords):
        nxt = chords[(k + 1) % len(chords)][2]
        root = bass_pitch(c.bass, 36)
        target = bass_pitch(nxt.bass, 36)
        approach = target - 1 if (k % 2 == 0) else target + 1
        if dur == 4:
            line = [root, bass_pitch(c.third(), root), bass_pitch(c.fifth(), root), approach]
        else:
            line = [root, approach]
        for i, p in enumerate(line):
            bs.note(start + i, F(9, 10), p, 74 if i == 0 else 66)
    # drums: ride cymbal "spang-a-lang", hi-hat pedal on two and four
    for bar in range(bar_count):
        t0 = F(bar * 4)
        for off, v in ((0, 40), (1, 46), (F(3, 2), 32), (2, 40), (3, 46), (F(7, 2), 32)):
            dr.note(t0 + off, F(1, 4), RIDE, v, swung=True)
        dr.note(t0 + 1, F(1, 4), PEDAL_HIHAT, 44)
        dr.note(t0 + 3, F(1, 4), PEDAL_HIHAT, 44)
        if bar % 4 == 3:
            dr.note(t0 + F(7, 2), F(1, 4), SNARE, 24, swung=True)
    s.length = length
    return s


# --------------------------------------------------------------------------
# 4. A baroque minuet for harpsichord in G major (binary form, each half twice)

def piece_minuet():
    s = Song('Zentrix minuet', tempo=108, beats_per_bar=3)
    up = s.track('Harpsichord upper', HARPSICHORD, 0, volume=118, pan=72, reverb=45)
    lo = s.track('Harpsichord lower', HARPSICHORD, 1, volume=112, pan=56, reverb=45)
    top_a = ('G5:1 D5:1 B4:1 | C5:1/2 D5:1/2 E5:1 C5:1 | A4:1/2 B4:1/2 C5:1 A4:1 | B4:1 G4:2 |'
             'E5:1 D5:1/2 C5:1/2 B4:1/2 A4:1/2 | D5:1 C5:1/2 B4:1/2 A4:1/2 G4:1/2 |'
             'C#5:1/2 D5:1/2 E5:1 A4:1 | D5:2 r:1 |')
    low_a = ('G3:3 | E3:2 C3:1 | F#3:3 | G3:1 D3:1 G2:1 |'
             'C3:2 A2:1 | D3:1 F#3:1 G3:1 | A2:1 C#3:1 A2:1 | D3:1 A2:1 D2:1 |')
    top_b = ('F#5:1 E5:1/2 D5:1/2 A4:1 | G5:1 F#5:1/2 E5:1/2 B4:1 | E5:1 C#5:1 A4:1 | D5:1 A4:1/2 B4:1/2 C5:1 |'
             'B4:1 D5:1/2 C5:1/2 B4:1/2 A4:1/2 | E5:1 G5:1/2 F#5:1/2 E5:1/2 D5:1/2 |'
             'A4:1 B4:1/2 C5:1/2 A4:1 | G4:2 r:1 |')
    low_b = ('D3:3 | E3:3 | A2:1 C#3:1 A2:1 | F#3:2 D3:1 |'
             'G2:1 B2:1 D3:1 | C3:1 E3:1 C3:1 | D3:2 D2:1 | G2:2 r:1 |')
    ta, la_len = melody(top_a, bar=3)
    la, _ = melody(low_a, bar=3)
    tb, lb_len = melody(top_b, bar=3)
    lb, _ = melody(low_b, bar=3)
    t = F(0)
    accent = lambda x: 8 if x % 3 == 0 else 0
    for half, (top, low, ln) in enumerate(((ta, la, la_len), (tb, lb, lb_len))):
        for rep in range(2):
            up.add(top, offset=t, vel=78, legato=F(9, 10), accent=accent)
            lo.add(low, offset=t, vel=70, legato=F(9, 10), accent=accent)
            if rep == 1:
                # second time round the bass is doubled an octave below
                lo.add(low, offset=t, vel=56, transpose=-12, legato=F(9, 10))
            t += ln
    s.length = t
    return s


# --------------------------------------------------------------------------
# 5. A calm pastoral in 6/8: flute over strings, harp and cello

def piece_pastoral():
    s = Song('Zentrix pastoral', tempo=84, beats_per_bar=6, beat_unit=8)
    fl = s.track('Flute', FLUTE, 0, volume=86, pan=74, reverb=70)
    st = s.track('Strings', SLOW_STRINGS, 1, volume=74, pan=52, reverb=70)
    hp = s.track('Harp', HARP, 2, volume=84, pan=40, reverb=60)
    vc = s.track('Cello', CELLO, 3, volume=80, pan=80, reverb=60)
    bar = 3  # a 6/8 bar lasts three quarter notes
    a = 'D | G/D | D | A | Bm | G | Em7 A7 | D |'
    a2 = 'D | G | D/F# | Em7 | G | A | D/A A7 | D |'
    b = 'Bm | Bm/A | G | D | Em | F#7 | Bm | A7 |'
    chords, length = chart(a + a2 + b + a2, bar=bar)
    phrase_a2 = ('A4:1 D5:1/2 F#5:3/2 | G5:3/4 F#5:1/4 E5:1/2 D5:3/2 | A5:1 G5:1/2 F#5:1 D5:1/2 | G5:1 F#5:1/2 E5:3/2 |'
                 'D5:1 B4:1/2 D5:1 G5:1/2 | F#5:1 E5:1/2 C#5:3/2 | D5:1 F#5:1/2 E5:1 C#5:1/2 | D5:3 |')
    tune = ('A4:1 D5:1/2 F#5:3/2 | G5:3/4 F#5:1/4 E5:1/2 D5:3/2 | F#5:1 A5:1/2 F#5:1 D5:1/2 | E5:3 |'
            'B4:1 C#5:1/2 D5:1 F#5:1/2 | G5:1 F#5:1/2 E5:3/2 | E5:1 D5:1/2 C#5:1 E5:1/2 | D5:3 |'
            + phrase_a2 +
            'r:1/2 B4:1/2 D5:1/2 F#5:3/2 | E5:1 D5:1/2 B4:3/2 | D5:1 E5:1/2 G5:3/2 | F#5:1 E5:1/2 D5:3/2 |'
            'G5:1 F#5:1/2 E5:1 B4:1/2 | A#4:1 C#5:1/2 E5:3/2 | D5:1 C#5:1/2 B4:3/2 | E5:1 D5:1/2 C#5:1 B4:1/2 |'
            + phrase_a2)
    notes, tl = melody(tune, bar=bar)
    assert tl == length, (tl, length)
    fl.add(notes, vel=70, legato=F(19, 20), accent=lambda t: 6 if t % F(3, 2) == 0 else 0)
    # strings hold the harmony softly
    for start, dur, c in chords:
        for p in voicing(c, 57):
            st.note(start, dur, p, 44)
    # harp: rolling eighth-note arpeggios up from the bass and back
    arpeggio(hp, chords, 43, (0, 1, 2, 3, 2, 1), F(1, 2), 50, length=F(3, 2), accent=10)
    # cello: the bass of each chord, then its fifth
    for start, dur, c in chords:
        r = bass_pitch(c.bass, 38)
        if dur == bar:
            vc.note(start, F(3, 2), r, 60)
            vc.note(start + F(3, 2), F(3, 2), bass_pitch(c.fifth(), r) if c.bass == c.root else r, 52)
        else:
            vc.note(start, dur, r, 58)
    s.length = length
    return s


# --------------------------------------------------------------------------
# 6. A marimba and kalimba groove with soft hand percussion

def piece_marimba():
    s = Song('Zentrix marimba', tempo=100)
    mb = s.track('Marimba', MARIMBA, 0, volume=114, pan=70, reverb=50)
    kl = s.track('Kalimba', KALIMBA, 1, volume=98, pan=44, reverb=50)
    bs = s.track('Bass', FINGERED_BASS, 2, volume=104, pan=64, reverb=30)
    dr = s.track('Hand percussion', 0, DRUMS, volume=84, pan=64, reverb=40)
    intro = 'Fmaj7 | G | Em7 | Am |'
    a = intro * 2
    b = 'Dm7 | Em7 | Fmaj7 | G | Dm7 | Em7 | Fmaj7 | G |'
    chords, length = chart(intro + a + b + a)
    ta = ('r:1/2 A4:1/2 C5:1/2 E5:1 C5:1/2 A4:1 | B4:1/2 D5:1/2 G5:3/2 D5:1/2 B4:1 |'
          'r:1/2 G4:1/2 B4:1/2 D5:1 E5:1/2 G5:1 | E5:3/2 C5:1/2 A4:2 |'
          'r:1/2 A4:1/2 C5:1/2 E5:1 F5:1/2 E5:1/2 C5:1/2 | D5:1 B4:1/2 G4:1/2 A4:1/2 B4:1/2 D5:1 |'
          'E5:1/2 G5:1/2 E5:1/2 D5:1 B4:1/2 G4:1 | A4:3 r:1 |')
    tb = ('F5:3/2 E5:1/2 D5:1 C5:1 | B4:3/2 D5:1/2 E5:1 G5:1 | A5:3/2 G5:1/2 E5:1 C5:1 | D5:3 r:1 |'
          'A4:1/2 C5:1/2 F5:1 A4:1/2 C5:1/2 E5:1 | G4:1/2 B4:1/2 E5:1 G4:1/2 B4:1/2 D5:1 |'
          'C5:1 A4:1/2 C5:1/2 F5:1 E5:1 | D5:2 B4:1 G4:1 |')
    tune = 'r:16 | ' + ta + tb + ta
    notes, tl = melody(tune)
    assert tl == length, (tl, length)
    mb.add(notes, vel=78, legato=F(9, 10), accent=lambda t: 6 if t % 1 == 0 else 0)
    # kalimba ostinato in eighth notes; softer while the marimba sings
    pat = (0, 2, 1, 3, 2, 1, 3, 1)
    for start, dur, c in chords:
        tones = chord_tones(c, 57, 5, from_bass=True)
        soft = start >= 16
        for k in range(int(dur * 2)):
            kl.note(start + F(k, 2), F(1, 2), tones[pat[k % 8]], (48 if soft else 60) + (8 if k % 2 == 0 else 0))
    # bass: a relaxed syncopated figure
    for start, dur, c in chords:
        r = bass_pitch(c.bass, 33)
        bs.note(start, F(3, 2), r, 74)
        bs.note(start + F(3, 2), F(1, 2), r, 58)
        bs.note(start + F(5, 2), F(1, 2), bass_pitch(c.fifth(), r), 62)
        bs.note(start + 3, F(3, 4), r + 12, 56)
    # percussion: maracas, congas, a clave now and then
    for bar in range(int(length / 4)):
        t0 = F(bar * 4)
        for e in range(8):
            dr.note(t0 + F(e, 2), F(1, 4), MARACAS, 36 if e % 2 else 26)
        for off, key, v in ((0, LOW_CONGA, 50), (F(3, 2), OPEN_HI_CONGA, 40), (2, MUTE_HI_CONGA, 34),
                            (F(5, 2), LOW_CONGA, 42), (3, OPEN_HI_CONGA, 38), (F(7, 2), OPEN_HI_CONGA, 34)):
            dr.note(t0 + off, F(1, 4), key, v)
        if bar % 2 == 1:
            for off in (1, 2):
                dr.note(t0 + off, F(1, 4), CLAVES, 34)
    s.length = length
    return s


# --------------------------------------------------------------------------
# 7. A music-box lullaby in 3/4

def piece_lullaby():
    s = Song('Zentrix lullaby', tempo=80, beats_per_bar=3)
    mb = s.track('Music box', MUSIC_BOX, 0, volume=116, pan=68, reverb=70)
    ar = s.track('Music box arpeggio', MUSIC_BOX, 1, volume=98, pan=56, reverb=70)
    cl = s.track('Celesta bass', CELESTA, 2, volume=96, pan=60, reverb=70)
    pd = s.track('Warm pad', WARM_PAD, 3, volume=70, pan=64, reverb=80)
    a = 'C | Am | F | G | C | Am | Dm7:2 G7:1 | C |'
    b = 'F | C | F | G | Em | Am | Dm7:2 G7:1 | C |'
    chords, length = chart(a + b + a, bar=3)
    ma = ('E5:1 G5:1 C6:1 | A5:2 E5:1 | F5:1 A5:1 C6:1 | G5:3 |'
          'E5:1 G5:1 C6:1 | C6:1 B5:1 A5:1 | F5:2 D5:1 | C5:3 |')
    mbb = ('C6:2 A5:1 | G5:2 E5:1 | F5:1 G5:1 A5:1 | G5:2 D5:1 |'
           'E5:1 G5:1 B5:1 | A5:2 G5:1 | F5:1 E5:1 D5:1 | C5:3 |')
    notes, tl = melody(ma + mbb + ma, bar=3)
    assert tl == length, (tl, length)
    mb.add(notes, vel=76, accent=lambda t: 6 if t % 3 == 0 else 0)
    # gentle arpeggio in eighth notes: root, third, fifth, third, octave, third
    arpeggio(ar, chords, 60, (0, 1, 2, 1, 3, 1), F(1, 2), 44, length=1, accent=6)
    for start, dur, c in chords:
        cl.note(start, dur, bass_pitch(c.bass, 48), 52)
        for p in voicing(c, 55):
            pd.note(start, dur, p, 36)
    s.length = length
    return s


# --------------------------------------------------------------------------
# Finish: a triumphant fanfare for brass and timpani

def piece_finish():
    s = Song('Zentrix finale', tempo=112)
    tp = s.track('Trumpets', TRUMPET, 0, volume=86, pan=70, reverb=60)
    hn = s.track('Horns', FRENCH_HORN, 1, volume=78, pan=50, reverb=60)
    tb = s.track('Trombones', TROMBONE, 2, volume=78, pan=80, reverb=60)
    tu = s.track('Tuba', TUBA, 3, volume=75, pan=60, reverb=50)
    br = s.track('Brass section', BRASS_SECTION, 4, volume=66, pan=64, reverb=60)
    ti = s.track('Timpani', TIMPANI, 5, volume=86, pan=64, reverb=60)
    cy = s.track('Cymbals and snare', 0, DRUMS, volume=70, pan=64, reverb=60)
    form = ('G | C | G | F | G7 | C | F | C/G | G7 | Ab | Bb | C | C |')
    chords, length = chart(form)
    trumpet = ('r:4 |'
               'C5:1/2 C5:1/4 C5:1/4 G5:3/2 E5:1/2 C5:1 | D5:1/2 D5:1/4 D5:1/4 B5:3/2 G5:1/2 D5:1 |'
               'C5:1/2 F5:1/2 A5:3/2 F5:1/2 C6:1 | G5:3/2 F5:1/2 D5:1 B4:1 |'
               'C5:1/3 E5:1/3 G5:1/3 C6:2 G5:1 | A5:1/2 A5:1/4 A5:1/4 C6:3/2 A5:1/2 F5:1 |'
               'G5:3/2 E5:1/2 C5:1 E5:1 | D5:1 F5:1 G5:1/2 A5:1/2 B5:1 |'
               'C6:3/2 Ab5:1/2 Eb5:1 Ab5:1 | D6:3/2 Bb5:1/2 F5:1 Bb5:1 | C6:4 | -:2 r:1 C6:1/2 r:1/2 |')
    notes, tl = melody(trumpet)
    assert tl == length, (tl, length)
    tp.add(notes, vel=96, legato=F(9, 10), accent=lambda t: 8 if t % 1 == 0 else 0)
    # horns: the same rhythm a chord tone below the trumpet
    for start, dur, ps in notes:
        c = chord_at(chords, start)
        below = [p for p in chord_tones(c, ps[0] - 10, 5) if p < ps[0] - 2]
        if below:
            hn.note(start, dur * F(9, 10), below[-1] - (12 if below[-1] > 76 else 0), 84)
    # trombones and brass section: full chords; tuba: the roots.  The last
    # chord is held for six beats, then everybody plays one short final hit.
    for start, dur, c in chords:
        if start == 0:
            continue
        if start < 44:
            strikes = ((0, F(3, 2)), (F(3, 2), F(5, 2)))
        elif start == 44:
            strikes = ((0, F(6)),)
        else:
            strikes = ((3, F(1, 2)),)
        for off, ln in strikes:
            for p in voicing(c, 48):
                tb.note(start + off, ln * F(19, 20), p, 80 if ln > 1 else 96)
            for p in voicing(c, 60):
                br.note(start + off, ln * F(19, 20), p, 62 if ln > 1 else 80)
            tu.note(start + off, ln * F(9, 10), bass_pitch(c.bass, 29), 84 if ln > 1 else 96)
    # timpani: an opening roll on G, downbeat strokes, a closing roll on C
    G2, C3 = pitch('G2'), pitch('C3')

    def roll(t0, beats, key, v0, v1):
        n = int(beats * 8)
        for k in range(n):
            ti.note(t0 + F(k, 8), F(1, 8), key, int(v0 + (v1 - v0) * k / max(1, n - 1)), human=2)

    roll(F(0), 4, G2, 40, 100)
    for bar in range(1, 11):
        key = C3 if chord_at(chords, bar * 4).root in (0, 5, 8) else G2
        ti.note(bar * 4, 1, key, 96)
        ti.note(bar * 4 + 2, 1, key, 76)
    roll(F(45), 5, C3, 50, 110)
    ti.note(F(51), 1, C3, 120)
    # cymbals: crashes on the big arrivals, a snare roll into the last chord
    for t in (4, 20, 36, 44, 51):
        cy.note(t, 2, CRASH, 100 if t >= 44 else 84)
    for k in range(32):
        cy.note(F(40) + F(k, 8), F(1, 8), SNARE, 30 + k * 2, human=2)
    s.length = length
    return s


PIECES = [
    ('Music/Music1.mid', piece_waltz),
    ('Music/Music2.mid', piece_bossa),
    ('Music/Music3.mid', piece_jazz),
    ('Music/Music4.mid', piece_minuet),
    ('Music/Music5.mid', piece_pastoral),
    ('Music/Music6.mid', piece_marimba),
    ('Music/Music7.mid', piece_lullaby),
    ('Sounds/Finish.mid', piece_finish),
]


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--root', default=os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'),
                    help='repository root (the files go to ROOT/assets/...)')
    ap.add_argument('--check', nargs='+', metavar='FILE', help='only verify these MIDI files')
    args = ap.parse_args()
    if args.check:
        ok = True
        for path in args.check:
            try:
                info = check_midi(path)
                print('%-28s ok  %5.1f s  %d tracks  %d notes' % (path, info['seconds'], info['tracks'], info['notes']))
            except (ValueError, IndexError, struct.error) as e:
                ok = False
                print('%-28s BAD %s' % (path, e))
        return 0 if ok else 1
    failures = 0
    for rel, make in PIECES:
        song = make()
        path = os.path.normpath(os.path.join(args.root, 'assets', rel))
        song.write(path)
        info = check_midi(path)
        expected = song.seconds()
        if abs(info['seconds'] - expected) > 0.01:
            failures += 1
            print('%s: length read back %.2f s, expected %.2f s' % (rel, info['seconds'], expected))
        print('%-18s %-18s %5.1f s  %d tracks  %4d notes  %6d bytes'
              % (rel, song.title, info['seconds'], info['tracks'], info['notes'], info['bytes']))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
