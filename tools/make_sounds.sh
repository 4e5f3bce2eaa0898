#!/usr/bin/env bash
# Synthesises every Zentrix sound effect from scratch with sox (and espeak-ng
# for the spoken dice numbers).  Nothing is sampled: each sound is built from
# sine/square/sawtooth tones and noise, shaped with filters and envelopes.
#
# Usage:  tools/make_sounds.sh [OUTPUT_DIR]      (default: assets/Sounds)
#
# Output: 16-bit PCM WAV, mono, 22050 Hz, with a short fade-in/out so that no
# file starts or ends with a click, all at one loudness: every file's RMS level
# is brought to the same target (TARGET_RMS), its peaks kept under PEAK_MAX.
# A sound whose peaks stand far above its body (dice clicks, crackles) has
# them limited just enough to come within LIMIT_SLACK of the target. The figures
# are printed at the end; `sox FILE -n stats` shows the same.
# The script can be re-run at any time; it overwrites the files it makes.
# sox runs with -R so its noise generators repeat the same numbers each run,
# and the random click patterns come from a fixed awk seed.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT=${1:-"$ROOT/assets/Sounds"}
RATE=22050
TARGET_RMS=-20   # dBFS, every effect
PEAK_MAX=-1.5    # dBFS, half a decibel under the -1 dBFS ceiling for rounding
LIMIT_SLACK=2    # dB under the target a file with sharp peaks may stay

for tool in sox espeak-ng awk; do
    command -v "$tool" >/dev/null 2>&1 || { echo "make_sounds: '$tool' is missing (tools/install-deps.sh assets)" >&2; exit 1; }
done

mkdir -p "$OUT"
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT

# Intermediate files are 32-bit float so that mixing never clips.
FMT=(-r "$RATE" -c 1 -e floating-point -b 32)

# gen FILE EFFECTS...        : synthesise FILE (in the temp dir) from nothing
gen() { local f=$1; shift; sox -R -V2 -n "${FMT[@]}" "$T/$f" "$@"; }
# fx IN OUT EFFECTS...       : run effects on a temp file
fx() { local i=$1 o=$2; shift 2; sox -R -V2 "$T/$i" "${FMT[@]}" "$T/$o" "$@"; }
# mix OUT [VOL IN]...        : mix temp files (each entry: volume then file);
#                              the sum is divided by the number of inputs
mix() {
    local o=$1; shift
    local args=() n=$(($# / 2))
    while [ $# -gt 0 ]; do args+=(-v "$(calc "$1 / $n")" "$T/$2"); shift 2; done
    sox -R -V2 -m "${args[@]}" "${FMT[@]}" "$T/$o"
}
# cat_files OUT IN...        : join temp files one after the other
cat_files() { local o=$1; shift; local a=(); for f in "$@"; do a+=("$T/$f"); done; sox -R -V2 "${a[@]}" "${FMT[@]}" "$T/$o"; }
# at FILE SECONDS OUT        : delay a temp file by SECONDS
at() { fx "$1" "$3" pad "$2"; }
# calc EXPR                  : floating point arithmetic
calc() { awk "BEGIN { printf \"%.4f\", $* }"; }
# holds CONDITION            : true when the arithmetic condition holds
holds() { awk "BEGIN { exit !($*) }"; }

# level FILE WHAT : one figure of sox's statistics, in dB ("RMS lev", "Pk lev")
level() { sox "$1" -n stats 2>&1 | awk -v what="$2" 'index($0, what) == 1 { print $NF; exit }'; }

# finish IN NAME [FADE_IN FADE_OUT] : write the final 16-bit file at the
# common loudness. A file whose peaks would pass the ceiling at the target
# level has them limited, in steps of 2 dB, until it comes within LIMIT_SLACK
# of the target: as little limiting as will do, so clicks stay clicks.
finish() {
    local i=$1 name=$2 fin=${3:-0.004} fout=${4:-0.012}
    fx "$i" "$name.shaped.wav" gain -6 highpass 20 fade q "$fin" -0 "$fout" norm -1
    local src="$name.shaped.wav" cut gain rms pk
    for cut in 0 2 4 6 8 10 12 14 16 18 20 22 24; do
        if [ "$cut" -gt 0 ]; then
            # A look-ahead limiter, nothing passes above -cut dB, letting go
            # within 5 ms so that only the peaks are held down.
            fx "$name.shaped.wav" "$name.limited.wav" compand 0,0.005 -90,-90,-$cut,-$cut,0,-$cut 0 -90 0.001
            src="$name.limited.wav"
        fi
        rms=$(level "$T/$src" "RMS lev")
        pk=$(level "$T/$src" "Pk lev")
        # The gain that reaches the target, or as much as the ceiling allows.
        gain=$(calc "$TARGET_RMS - ($rms)")
        holds "$pk + $gain > $PEAK_MAX" && gain=$(calc "$PEAK_MAX - ($pk)")
        holds "$rms + $gain >= $TARGET_RMS - $LIMIT_SLACK" && break
    done
    sox -R -V2 "$T/$src" -r "$RATE" -c 1 -b 16 -e signed-integer "$OUT/$name" gain "$gain"
    printf '  %-16s %5.2f s  RMS %6.2f dB  peak %6.2f dB  peaks limited by %2d dB\n' "$name" \
        "$(soxi -D "$OUT/$name")" "$(level "$OUT/$name" "RMS lev")" "$(level "$OUT/$name" "Pk lev")" "$cut"
}

# decaying tone:  tone FILE TYPE FREQ DURATION VOLUME  (3 ms attack, log decay)
tone() {
    gen "$1" synth "$4" "$2" "$3" fade q 0.003 fade l 0 "$4" "$(calc "$4 - 0.003")" vol "$5"
}

# noise click:  click FILE LENGTH_TO_NEXT BURST CENTRE_HZ Q GAIN [NOISE]
# A short band-passed noise burst that dies away fast, followed by silence so
# that the file lasts LENGTH_TO_NEXT seconds; joined clicks make a rhythm.
click() {
    local f=$1 gap=$2 dur=$3 hz=$4 q=$5 g=$6 kind=${7:-whitenoise}
    local rest; rest=$(calc "($gap > $dur) ? $gap - $dur : 0")
    gen "$f" synth "$dur" "$kind" bandpass "$hz" "$q"q fade l 0.0008 "$dur" "$(calc "$dur - 0.0008")" \
        vol "$g" pad 0 "$rest"
}

# clicktrack OUT PREFIX : reads lines "gap burst hz q gain [noise]" from stdin
clicktrack() {
    local o=$1 p=$2 n=0 files=() gap dur hz q g kind
    while read -r gap dur hz q g kind; do
        [ -z "$gap" ] && continue
        n=$((n + 1))
        click "${p}_$n.wav" "$gap" "$dur" "$hz" "$q" "$g" "${kind:-whitenoise}"
        files+=("${p}_$n.wav")
    done
    cat_files "$o" "${files[@]}"
}

echo "make_sounds: writing to $OUT"

# ---------------------------------------------------------------- Dice
# Dice shaken in a cup (muffled, fast, irregular clicks), a short pause, then
# dice bouncing and rolling on the table (brighter, slowing down).
clicktrack dice_cup.wav cup <<'EOF'
0.045 0.016 3200 1.6 0.9
0.060 0.012 4100 1.8 0.6
0.035 0.018 2700 1.5 1.0
0.050 0.014 3600 1.8 0.7
0.070 0.016 3000 1.6 0.9
0.040 0.012 4400 2.0 0.5
0.055 0.018 2900 1.5 1.0
0.030 0.012 3800 1.8 0.6
0.065 0.016 3300 1.6 0.9
0.045 0.014 4000 1.8 0.7
0.050 0.018 2800 1.5 1.0
0.040 0.012 3500 1.8 0.6
0.060 0.016 3100 1.6 0.8
EOF
fx dice_cup.wav dice_cup2.wav gain -6 lowpass 5000 reverb 25 60 20
clicktrack dice_table.wav table <<'EOF'
0.080 0.001 1000 1.0 0.0
0.130 0.030 1700 0.9 1.0 pinknoise
0.100 0.026 2300 1.0 0.8 pinknoise
0.080 0.028 1500 0.9 0.9 pinknoise
0.065 0.022 2600 1.0 0.6 pinknoise
0.050 0.020 1900 1.0 0.5 pinknoise
0.045 0.016 2200 1.2 0.35 pinknoise
0.040 0.014 2500 1.2 0.2 pinknoise
0.060 0.001 1000 1.0 0.0
EOF
# a little body for the table hits
fx dice_table.wav dice_table2.wav gain -8 bass +6 120 reverb 10 70 10 gain 6
cat_files dice_all.wav dice_cup2.wav dice_table2.wav
fx dice_all.wav dice_out.wav trim 0 1.25
finish dice_out.wav Dice.wav

# ---------------------------------------------------------------- 1..6
# Spoken numbers.  espeak-ng writes its own 22050 Hz wave; sox trims the
# silence around the word, warms it a little and normalises it.
words=(zero one two three four five six)
for n in 1 2 3 4 5 6; do
    espeak-ng -v en-us -s 150 -p 45 -a 160 -w "$T/say$n.wav" "${words[$n]}"
    sox -R -V2 "$T/say$n.wav" "${FMT[@]}" "$T/num$n.wav" \
        silence 1 0.005 0.5% reverse silence 1 0.005 0.5% reverse \
        gain -6 pad 0.01 0.03 lowpass 7000 bass +2
    finish "num$n.wav" "$n.wav" 0.005 0.02
done

# ---------------------------------------------------------------- Move
# A soft wooden tick: two quickly decaying tones (a small wood block) plus
# a tiny noise transient.  Short, because it repeats at every cell.
tone mv_a.wav sine 880 0.075 0.8
tone mv_b.wav sine 1390 0.045 0.35
gen mv_c.wav synth 0.008 pinknoise bandpass 2500 1q fade l 0.0005 0.008 0.0075 vol 0.5
mix mv.wav 1 mv_a.wav 1 mv_b.wav 1 mv_c.wav
fx mv.wav mv2.wav lowpass 3000 trim 0 0.075
finish mv2.wav Move.wav 0.002 0.01

# ---------------------------------------------------------------- Money
# Cash register: the key/drawer clunk, the bell "ching" (inharmonic bell
# partials with a shimmer), and a few coins clinking.
gen mo_clunk.wav synth 0.06 brownnoise bandpass 700 1q norm -3 fade l 0.001 0.06 0.058
gen mo_tick.wav synth 0.012 whitenoise gain -6 highpass 2500 fade l 0.0005 0.012 0.011 vol 0.5
tone mo_b1.wav sine 2350 0.70 1.0
tone mo_b2.wav sine 3520 0.55 0.55
tone mo_b3.wav sine 4980 0.40 0.35
tone mo_b4.wav sine 6320 0.25 0.2
mix mo_bell.wav 1 mo_b1.wav 1 mo_b2.wav 1 mo_b3.wav 1 mo_b4.wav
fx mo_bell.wav mo_bell2.wav tremolo 22 25 pad 0.07 0
tone mo_c1.wav sine 4300 0.08 0.35
tone mo_c2.wav sine 5350 0.07 0.3
tone mo_c3.wav sine 4750 0.09 0.3
at mo_c1.wav 0.30 mo_c1p.wav
at mo_c2.wav 0.38 mo_c2p.wav
at mo_c3.wav 0.47 mo_c3p.wav
mix mo.wav 1 mo_clunk.wav 1 mo_tick.wav 1 mo_bell2.wav 1 mo_c1p.wav 1 mo_c2p.wav 1 mo_c3p.wav
fx mo.wav mo2.wav gain -6 reverb 20 50 30
finish mo2.wav Money.wav 0.002 0.05

# ---------------------------------------------------------------- Computer
# Retro computer "thinking": a run of short bleeps at changing pitches,
# ending on a slightly longer one. Each bleep is a sine with a little of its
# octave and a soft triangle under it, rounded off at both ends: the sound of
# an old terminal without the rasp of a square wave.
# bleep NAME HZ DURATION
bleep() {
    local f=$1 hz=$2 d=$3
    gen "${f}_s.wav" synth "$d" sine "$hz" fade h 0.006 "$d" 0.015 vol 0.7
    gen "${f}_o.wav" synth "$d" sine "$(calc "$hz * 2")" fade h 0.006 "$d" 0.02 vol 0.12
    gen "${f}_t.wav" synth "$d" triangle "$hz" fade h 0.006 "$d" 0.015 vol 0.2
    mix "$f.wav" 1 "${f}_s.wav" 1 "${f}_o.wav" 1 "${f}_t.wav"
}
cp_files=()
i=0
for f in 880 1320 660 1760 990 1175 784 1568 1047 1397 1245; do
    i=$((i + 1))
    bleep "cp$i" "$f" 0.055
    fx "cp$i.wav" "cp${i}p.wav" pad 0 0.012
    cp_files+=("cp${i}p.wav")
done
bleep cp_end 2093 0.07
cat_files cp.wav "${cp_files[@]}" cp_end.wav
fx cp.wav cp2.wav lowpass 3000 reverb 10 50 20
finish cp2.wav Computer.wav

# ---------------------------------------------------------------- Storm
# Gusting wind (filtered noise with a slow swell), rain hiss, and a rolling
# thunder rumble that comes in after a moment.
gen st_wind.wav synth 2.0 brownnoise lowpass 900 bandpass 450 0.8q norm -6 tremolo 0.7 55
gen st_gust.wav synth 2.0 pinknoise bandpass 1100 3q norm -6 tremolo 1.3 70 vol 0.5
gen st_rain.wav synth 2.0 whitenoise gain -6 highpass 2500 lowpass 9000 norm -6 vol 0.15
fire_like() { # crackle table: count seed gapmin gapmax durmin durmax hzmin hzmax gmin gmax
    awk -v n="$1" -v seed="$2" -v gmn="$3" -v gmx="$4" -v dmn="$5" -v dmx="$6" \
        -v hmn="$7" -v hmx="$8" -v amn="$9" -v amx="${10}" 'BEGIN {
        srand(seed);
        for (i = 0; i < n; i++)
            printf "%.4f %.4f %d 1.5 %.3f\n", gmn + rand() * (gmx - gmn), dmn + rand() * (dmx - dmn),
                   hmn + rand() * (hmx - hmn), amn + rand() * (amx - amn);
    }'
}
fire_like 90 11 0.012 0.045 0.002 0.006 3000 7000 0.2 0.6 | clicktrack st_drops.wav drop
fx st_drops.wav st_drops2.wav trim 0 2.0
gen st_thunder.wav synth 1.6 brownnoise lowpass 140 lowpass 140 norm -6 tremolo 5 45 fade q 0.35 1.6 1.1
at st_thunder.wav 0.4 st_thunder2.wav
mix st.wav 1 st_wind.wav 1 st_gust.wav 1 st_rain.wav 0.5 st_drops2.wav 1.6 st_thunder2.wav
fx st.wav st2.wav trim 0 2.0
finish st2.wav Storm.wav 0.15 0.35

# ---------------------------------------------------------------- Earthquake
# A deep low rumble, a trembling sub tone, rattling rocks and falling debris.
gen eq_rumble.wav synth 2.0 brownnoise lowpass 90 lowpass 90 norm -6
gen eq_sub.wav synth 2.0 sine 41 tremolo 7 80 vol 0.3
gen eq_rattle.wav synth 2.0 brownnoise bandpass 260 1q norm -6 tremolo 9 90
fire_like 34 23 0.04 0.11 0.006 0.02 500 1600 0.2 0.7 | clicktrack eq_debris.wav debris brownnoise
fx eq_debris.wav eq_debris2.wav trim 0 2.0 norm -6
mix eq.wav 1.2 eq_rumble.wav 1 eq_sub.wav 1 eq_rattle.wav 0.5 eq_debris2.wav
fx eq.wav eq2.wav trim 0 2.0
finish eq2.wav Earthquake.wav 0.3 0.6

# ---------------------------------------------------------------- Fire
# A low roaring bed with many sharp random crackles and a few pops.
gen fi_roar.wav synth 2.0 brownnoise lowpass 500 norm -6 tremolo 2.5 35
gen fi_hiss.wav synth 2.0 pinknoise bandpass 1500 0.7q norm -6 tremolo 3.7 40
fire_like 56 7 0.01 0.08 0.0015 0.006 2500 7500 0.3 1.0 | clicktrack fi_crack.wav crack
fire_like 12 5 0.12 0.3 0.01 0.02 600 1200 0.5 0.9 | clicktrack fi_pop.wav pop brownnoise
fx fi_crack.wav fi_crack2.wav trim 0 2.0 norm -3
fx fi_pop.wav fi_pop2.wav trim 0 2.0 norm -4
mix fi.wav 0.5 fi_roar.wav 0.2 fi_hiss.wav 1 fi_crack2.wav 0.8 fi_pop2.wav
fx fi.wav fi2.wav trim 0 2.0
finish fi2.wav Fire.wav 0.12 0.3

# ---------------------------------------------------------------- chimes
# bell NAME FREQ DURATION : a soft struck-bell note (fundamental + overtones)
bell() {
    local f=$1 hz=$2 d=$3
    tone "${f}_1.wav" sine "$hz" "$d" 1.0
    tone "${f}_2.wav" sine "$(calc "$hz * 2")" "$(calc "$d * 0.6")" 0.25
    tone "${f}_3.wav" sine "$(calc "$hz * 3.01")" "$(calc "$d * 0.35")" 0.08
    mix "$f.wav" 1 "${f}_1.wav" 1 "${f}_2.wav" 1 "${f}_3.wav"
}

# Positive: a rising fourth, B5 then E6.
bell po1 987.77 0.22
bell po2 1318.51 0.22
at po2.wav 0.09 po2p.wav
mix po.wav 1 po1.wav 1 po2p.wav
fx po.wav po2x.wav gain -6 reverb 15 50 20
finish po2x.wav Positive.wav 0.003 0.03

# Negative: two falling, slightly sagging "bonk" notes.
gen ne1a.wav synth 0.13 triangle 340-318 fade q 0.004 fade l 0 0.13 0.125
gen ne1b.wav synth 0.13 square 340-318 fade q 0.004 fade l 0 0.13 0.125 vol 0.25
gen ne2a.wav synth 0.18 triangle 250-212 fade q 0.004 fade l 0 0.18 0.175
gen ne2b.wav synth 0.18 square 250-212 fade q 0.004 fade l 0 0.18 0.175 vol 0.25
mix ne1.wav 1 ne1a.wav 1 ne1b.wav
mix ne2.wav 1 ne2a.wav 1 ne2b.wav
at ne2.wav 0.12 ne2p.wav
mix ne.wav 1 ne1.wav 1 ne2p.wav
fx ne.wav ne2x.wav lowpass 1400 trim 0 0.30
finish ne2x.wav Negative.wav 0.003 0.03

# Wait: a "ding-dong" attention tone, A5 then F5.
bell wa1 880 0.45
bell wa2 698.46 0.45
at wa2.wav 0.26 wa2p.wav
mix wa.wav 1 wa1.wav 1 wa2p.wav
fx wa.wav wa2x.wav gain -6 reverb 20 50 30
finish wa2x.wav Wait.wav 0.003 0.06

# ---------------------------------------------------------------- brass
# brass NAME HZ DURATION : two slightly detuned sawtooths, mellowed, with a
# soft attack and release (a synthetic trumpet / trombone).
brass() {
    local f=$1 hz=$2 d=$3 lp=${4:-2400}
    gen "${f}_a.wav" synth "$d" sawtooth "$hz" fade t 0.025 "$d" 0.05 vol 0.5
    gen "${f}_b.wav" synth "$d" sawtooth "$(calc "$hz * 1.004")" fade t 0.03 "$d" 0.05 vol 0.4
    gen "${f}_c.wav" synth "$d" square "$(calc "$hz / 2")" fade t 0.03 "$d" 0.05 vol 0.15
    mix "${f}_m.wav" 1 "${f}_a.wav" 1 "${f}_b.wav" 1 "${f}_c.wav"
    fx "${f}_m.wav" "$f.wav" lowpass "$lp" lowpass "$lp"
}

# Win: "ta-ta-ta-taa, ta-taaa" on G C E G E G, with a C major chord under
# the last note.
brass wi1 392.00 0.11
brass wi2 523.25 0.11
brass wi3 659.26 0.11
brass wi4 783.99 0.30
brass wi5 659.26 0.13
brass wi6 783.99 0.72
cat_files wi_mel.wav wi1.wav wi2.wav wi3.wav wi4.wav wi5.wav wi6.wav
brass wi_h1 523.25 0.72 1800
brass wi_h2 659.26 0.72 1800
brass wi_h3 261.63 0.72 1500
mix wi_ch.wav 1 wi_h1.wav 1 wi_h2.wav 1 wi_h3.wav
at wi_ch.wav 0.76 wi_chp.wav
mix wi.wav 1 wi_mel.wav 0.55 wi_chp.wav
fx wi.wav wi2x.wav gain -6 reverb 30 50 50
finish wi2x.wav Win.wav 0.003 0.12

# Lose: the "wah wah wah waaah" of a muted trombone, sliding down by half
# steps, the last note with a wobble.
lo_files=()
i=0
for hz in 233.08 220.00 207.65; do
    i=$((i + 1))
    gen "lo${i}_a.wav" synth 0.3 sawtooth "$hz-$(calc "$hz * 0.985")" fade q 0.06 0.3 0.09 vol 0.5
    gen "lo${i}_b.wav" synth 0.3 square "$(calc "$hz * 0.5")" fade q 0.06 0.3 0.09 vol 0.2
    mix "lo$i.wav" 1 "lo${i}_a.wav" 1 "lo${i}_b.wav"
    lo_files+=("lo$i.wav")
done
gen lo4_a.wav synth 0.6 sawtooth 196.00 fade q 0.06 0.6 0.2 vol 0.4
gen lo4_b.wav synth 0.6 square 98.00 fade q 0.06 0.6 0.2 vol 0.15
mix lo4m.wav 1 lo4_a.wav 1 lo4_b.wav
fx lo4m.wav lo4.wav gain -6 bend 0.10,-35,0.07 0,60,0.07 0,-60,0.07 0,60,0.07 0,-60,0.07 0,60,0.07 0,-60,0.07
lo_files+=(lo4.wav)
cat_files lo.wav "${lo_files[@]}"
fx lo.wav lo2.wav gain -6 lowpass 1100 lowpass 1600 reverb 20 60 30
finish lo2.wav Lose.wav 0.005 0.1

total=0
for f in "$OUT"/*.wav; do total=$((total + $(stat -c %s "$f"))); done
echo "make_sounds: done, $(ls "$OUT"/*.wav | wc -l) files, $total bytes"
