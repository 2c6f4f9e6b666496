#!/usr/bin/env bash
# End-to-end test of the music capture: a private D-Bus session bus and PulseAudio daemon with
# a null sink (in a temporary XDG_RUNTIME_DIR and HOME), sine tones played into the sink, and
# music_probe running the visualizer on the sink's monitor. The levels must peak in the four
# columns of each tone's bin (bin = frequency * 512 / 48000, columns 4 * bin .. 4 * bin + 3).
#
#   run_music_e2e.sh PATH/TO/music_probe
#
# Exit 0 pass, 1 fail, 77 skipped (tools missing; only outside CI: with CI=true it fails).
set -uo pipefail

probe=${1:?usage: run_music_e2e.sh PATH/TO/music_probe}
rate=48000
volume=0.03  # quiet enough that the peak does not saturate at amplification 1

say() { echo "music-e2e: $*"; }
fail() { say "FAIL: $*"; exit 1; }

missing=()
for tool in pulseaudio pactl pacat sox dbus-daemon; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if (( ${#missing[@]} )); then
  if [[ "${CI:-}" == "true" ]]; then
    fail "missing tools in CI: ${missing[*]} (scripts/install-deps.sh installs them)"
  fi
  say "SKIP: missing tools: ${missing[*]}"
  exit 77
fi
[[ -x "$probe" ]] || fail "probe not found: $probe"

work=$(mktemp -d "${TMPDIR:-/tmp}/vekora-music-e2e.XXXXXX")
pids=()
cleanup() {
  local pid
  exec 3>&- 4<&- 2>/dev/null
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$work/run"
mkdir "$work/home"
export XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
unset PULSE_SERVER PULSE_SINK PULSE_SOURCE
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"

dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" \
  >"$work/dbus.log" 2>&1 &
pids+=($!)

start_pulse() {  # starts the daemon with its null sink; its pid in $pulse_pid
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --realtime=no \
    --high-priority=no --log-target=stderr \
    -L "module-null-sink sink_name=ci_sink rate=$rate channels=2" \
    -L module-native-protocol-unix >>"$work/pulse.log" 2>&1 &
  pulse_pid=$!
  pids+=("$pulse_pid")
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pactl info >/dev/null 2>&1 || { cat "$work/pulse.log"; fail "pulseaudio did not start"; }
  say "pulseaudio up; default sink $(pactl get-default-sink)"
  # The null sink runs in 2 s blocks while nobody listens closely; a low-latency reader and a
  # short warm-up make it deliver promptly.
  pacat -r --latency-msec=20 -d ci_sink.monitor >/dev/null 2>&1 &
  pids+=($!)
  sleep 2
}

start_pulse

# The probe talks over two FIFOs: commands in on fd 3, answers out on fd 4.
mkfifo "$work/in" "$work/out"
"$probe" <"$work/in" >"$work/out" 2>"$work/probe.log" &
pids+=($!)
exec 3>"$work/in" 4<"$work/out"

ask() {  # ask COMMAND -> the answer line in $answer
  echo "$1" >&3
  IFS= read -r -t 20 answer <&4 || fail "no answer from the probe to '$1' ($(cat "$work/probe.log"))"
}

play() {  # play FREQUENCY SINK: a 2.5 s tone in the background, its pid in $tone_pid
  sox -n -t raw -r "$rate" -e floating-point -b 32 -c 2 - synth 2.5 sine "$1" vol "$volume" \
    2>/dev/null | pacat -d "$2" --format=float32le --rate="$rate" --channels=2 \
    --latency-msec=20 &
  tone_pid=$!
}

check_tone() {  # check_tone FREQUENCY BIN SINK
  local frequency=$1 bin=$2 sink=$3 word column level mean
  play "$frequency" "$sink"
  sleep 0.7
  ask "measure 800"
  wait "$tone_pid"
  read -r word column level mean_word mean _ <<<"$answer"
  [[ "$word" == peak ]] || fail "unexpected answer: $answer"
  say "$frequency Hz into $sink: peak at column $column, level $level, mean $mean"
  (( column >= 4 * bin && column <= 4 * bin + 3 )) ||
    fail "$frequency Hz should peak in columns $((4 * bin))..$((4 * bin + 3)): $answer"
  awk -v l="$level" -v m="$mean" 'BEGIN { exit !(l > 0.1 && l <= 1.0 && l > 3 * m) }' ||
    fail "$frequency Hz does not stand out: $answer"
}

wait_for_source() {  # wait_for_source NAME
  for _ in $(seq 50); do
    ask source
    [[ "$answer" == "source $1 "* ]] && return 0
    sleep 0.1
  done
  fail "capture did not move to $1: $answer ($(cat "$work/probe.log"))"
}

ask devices
[[ "$answer" == "devices 1 Default Loopback Device" ]] || fail "device list: $answer"
ask source
[[ "$answer" == "source ci_sink.monitor "* ]] || fail "not capturing the sink's monitor: $answer"
ask "amplitude 1"

check_tone 750 8 ci_sink
check_tone 1500 16 ci_sink

# A new default output: the capture follows it by itself.
module=$(pactl load-module module-null-sink sink_name=ci_sink2 rate=$rate channels=2) ||
  fail "cannot load a second null sink"
pactl set-default-sink ci_sink2
wait_for_source ci_sink2.monitor
sleep 2  # a fresh null sink starts in its idle 2 s block
check_tone 2250 24 ci_sink2

# The captured output disappears: that capture ends, the default falls back to the first sink
# and the capture follows it again.
pactl unload-module "$module"
wait_for_source ci_sink.monitor
sleep 1
check_tone 1500 16 ci_sink

# The sound server goes away: the device list empties, the visualizer keeps running, and the
# probe's diagnostics say so once.
kill "$pulse_pid"
wait "$pulse_pid" 2>/dev/null
wait_for_devices() {  # wait_for_devices ANSWER (up to 10 s)
  for _ in $(seq 100); do
    ask devices
    [[ "$answer" == "$1" ]] && return 0
    sleep 0.1
  done
  fail "device list should be '$1': $answer"
}
wait_for_devices "devices 0"
ask "measure 4000"  # the analysis goes on over the last samples it got, reconnecting quietly
[[ "$answer" == peak* ]] || fail "probe stopped answering: $answer"
lines=$(grep -c "sound server" "$work/probe.log")
[[ "$lines" == 1 ]] || fail "expected one diagnostic line about the server: $(cat "$work/probe.log")"

# The server comes back (as after a restart of the sound service): the capture reconnects.
start_pulse
wait_for_devices "devices 1 Default Loopback Device"
wait_for_source ci_sink.monitor
sleep 1
check_tone 1500 16 ci_sink

echo quit >&3
say "PASS"
