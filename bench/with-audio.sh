#!/usr/bin/env bash
# Runs a command with a sound card: a private PulseAudio daemon with one null
# sink (it plays into nothing), reachable only by this command through the
# socket in its own temporary folder, stopped when the command ends.
#
#   bench/with-audio.sh COMMAND [ARGS...]
#
# Needs pulseaudio (tools/install-deps.sh bench installs it).
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
command -v pulseaudio >/dev/null || { echo "$0 needs pulseaudio: tools/install-deps.sh bench" >&2; exit 1; }

home=$(mktemp -d)
pulse=""
cleanup() {
  if [ -n "$pulse" ]; then kill "$pulse" 2>/dev/null || true; wait "$pulse" 2>/dev/null || true; fi
  rm -rf "$home"
}
trap cleanup EXIT
XDG_RUNTIME_DIR="$home" HOME="$home" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  -L "module-native-protocol-unix auth-anonymous=1" -L "module-null-sink sink_name=zentrix_null" \
  >"$home/pulse.log" 2>&1 &
pulse=$!
for _ in $(seq 50); do [ -S "$home/pulse/native" ] && break; sleep 0.1; done
[ -S "$home/pulse/native" ] || { echo "pulseaudio did not start:" >&2; cat "$home/pulse.log" >&2; exit 1; }
export PULSE_SERVER="unix:$home/pulse/native"
"$@"
