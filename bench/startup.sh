#!/usr/bin/env bash
# Start-up of the game against a bare Qt window with the same Qt modules:
# time from launch to the main window's first frame, and peak memory (max
# RSS); the CPU time spent by then is shown too, as it varies less than the
# time on the clock on a busy machine. Runs both programs N times, alternately, and prints the medians and
# the game's ratios to the bare program. Builds nothing.
#
#   bench/startup.sh [-n N] [-b BUILD_DIR] [--offscreen] [--audio]
#
# Under an X server (a private Xvfb started with xvfb-run when there is no
# display, or the display there is) unless --offscreen is given or xvfb-run is
# missing; then Qt's offscreen platform. --audio gives both programs a sound
# card: a private PulseAudio daemon with one null sink (bench/with-audio.sh).
set -euo pipefail

args=("$@")
runs=15
build="$(cd "$(dirname "$0")/.." && pwd)/build-bench"
offscreen=0
audio=0
while [ $# -gt 0 ]; do
  case "$1" in
    -n) runs="$2"; shift 2 ;;
    -b) build="$2"; shift 2 ;;
    --offscreen) offscreen=1; shift ;;
    --audio) audio=1; shift ;;
    *) echo "usage: $0 [-n N] [-b BUILD_DIR] [--offscreen] [--audio]" >&2; exit 2 ;;
  esac
done
game="$build/startup_game"
bare="$build/startup_bare"
for p in "$game" "$bare"; do
  [ -x "$p" ] || { echo "missing $p: build the targets startup_game and startup_bare first" >&2; exit 1; }
done
[ "$runs" -ge 1 ] 2>/dev/null || { echo "-n needs a positive count" >&2; exit 2; }

if [ "$offscreen" -eq 0 ] && [ -z "${DISPLAY:-}" ]; then
  if command -v xvfb-run >/dev/null; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "${args[@]}"
  fi
  offscreen=1
fi
if [ "$offscreen" -eq 1 ]; then
  export QT_QPA_PLATFORM=offscreen
  platform="offscreen"
else
  unset QT_QPA_PLATFORM
  platform="X display $DISPLAY"
fi
# The same sound back end the game chooses by itself, for both programs.
export QT_MEDIA_BACKEND="${QT_MEDIA_BACKEND:-gstreamer}"

if [ "$audio" -eq 1 ] && [ -z "${ZENTRIX_BENCH_AUDIO:-}" ]; then
  rest=()
  for a in "${args[@]}"; do [ "$a" = "--audio" ] || rest+=("$a"); done
  ZENTRIX_BENCH_AUDIO=1 exec "$(dirname "$0")/with-audio.sh" "$0" "${rest[@]}"
fi
sound="the session's own sound"
[ -n "${ZENTRIX_BENCH_AUDIO:-}" ] && sound="a PulseAudio null sink"

# One launch: bash's own clock, read just before the fork, goes to the
# program, which subtracts it from the time of its first frame.
measure() {
  local out
  out=$(ZENTRIX_BENCH_LAUNCH=$EPOCHREALTIME "$1" 2>/dev/null) || { echo "$1 failed" >&2; exit 1; }
  case "$out" in
    *startup_ms=*) echo "$out" ;;
    *) echo "$1 printed no measurement" >&2; exit 1 ;;
  esac
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# One run of each first, not counted: the libraries come into the page cache.
measure "$game" >/dev/null
measure "$bare" >/dev/null
for ((i = 1; i <= runs; i++)); do
  measure "$game" >>"$tmp/game"
  measure "$bare" >>"$tmp/bare"
done

median() {  # field name, file
  sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -g | awk '{ v[NR] = $1 } END {
    if (NR % 2) printf "%.2f", v[(NR + 1) / 2]; else printf "%.2f", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

gt=$(median startup_ms "$tmp/game"); bt=$(median startup_ms "$tmp/bare")
gi=$(median main_ms "$tmp/game"); bi=$(median main_ms "$tmp/bare")
gc=$(median cpu_ms "$tmp/game"); bc=$(median cpu_ms "$tmp/bare")
gm=$(median maxrss_kb "$tmp/game"); bm=$(median maxrss_kb "$tmp/bare")
echo "start-up, $runs runs each, alternately, on $platform with $sound (medians)"
printf "  %-14s %12s %14s %12s %12s\n" "" "first frame" "of it in main" "CPU time" "max RSS"
printf "  %-14s %9s ms %11s ms %9s ms %9s kB\n" "game" "$gt" "$gi" "$gc" "${gm%.*}"
printf "  %-14s %9s ms %11s ms %9s ms %9s kB\n" "bare Qt window" "$bt" "$bi" "$bc" "${bm%.*}"
awk -v gt="$gt" -v bt="$bt" -v gc="$gc" -v bc="$bc" -v gm="$gm" -v bm="$bm" \
  'BEGIN { printf "  ratio game/bare: time %.2f, memory %.2f (CPU time %.2f)\n", gt / bt, gm / bm, gc / bc }'
