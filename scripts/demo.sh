#!/usr/bin/env bash
# The README's run command (`make demo`, after the build): a scripted vekora-ctl session
# against vekora-kbd-sim with a 98-key RGB keyboard and a 61-key RGB keyboard. Shows
# detection, a key remap, an effect, a user light, a macro, a profile switch and an export,
# printing the simulated keyboard's state after each step, then stops the simulator.
#
# Runs headless in a temporary home of its own: the user's settings are never touched.
# Usage: scripts/demo.sh [BUILD_DIR]     (KEEP_DEMO=1 keeps the temporary folder)
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
ctl="$build/tools/ctl/vekora-ctl"
sim="$build/tools/sim/vekora-kbd-sim"
for program in "$ctl" "$sim"; do
    if [[ ! -x $program ]]; then
        echo "demo: $program is missing; build first (make build)" >&2
        exit 1
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vekora-demo.XXXXXX")
socket="$work/sim.sock"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
export VEKORA_HID_SIM="$socket" LANG=C
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" "$work/export"
chmod 700 "$XDG_RUNTIME_DIR"

sim_pid=
cleanup() {
    if [[ -n $sim_pid ]]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    if [[ -z ${KEEP_DEMO:-} ]]; then
        rm -rf "$work"
    else
        echo "demo: kept $work"
    fi
}
trap cleanup EXIT

"$sim" --socket "$socket" --model 10 --model 1 --log "$work/reports.log" &
sim_pid=$!
for _ in $(seq 100); do
    "$sim" --socket "$socket" --ctl list >/dev/null 2>&1 && break
    sleep 0.05
done
"$sim" --socket "$socket" --ctl list >/dev/null

step() {
    if [[ -n $1 ]]; then
        echo
        echo "=== $1"
    fi
    shift
    echo "\$ vekora-ctl $*"
    "$ctl" "$@"
}

# The simulated keyboard's state, one field a line: numbers as they are, byte areas as their
# size, how many bytes are set and the first set bytes. Empty areas are left out; '*' marks
# what changed since the keyboard's previous print.
state() {
    local dev=$1 now="$work/state-$1.now" before="$work/state-$1.before"
    local answer
    answer=$("$sim" --socket "$socket" --ctl state "$dev" 2>&1) || true
    if [[ $answer != ok* ]]; then
        echo "    (keyboard $dev: ${answer#err })"
        return
    fi
    echo "${answer#ok }" | tr -d '{}' | sed 's/, "/\n"/g' | awk -F': ' '
        {
            key = $1; value = $2; gsub(/"/, "", key); gsub(/"/, "", value)
            if (value == "") next
            if (value ~ /^[0-9a-f]+$/ && length(value) >= 8) {
                # A byte area; the end mark aa 55 alone does not make it set.
                body = value; sub(/aa55$/, "", body)
                set = 0; first = -1
                for (i = 1; i <= length(body); i += 2) {
                    if (substr(body, i, 2) != "00") { set++; if (first < 0) first = (i - 1) / 2 }
                }
                if (set == 0) next
                printf "%-16s %4d bytes, %3d set from byte %-4d %s\n", key, length(value) / 2,
                       set, first, substr(value, first * 2 + 1, 24)
            } else {
                printf "%-16s %s\n", key, value
            }
        }' >"$now"
    echo "--- keyboard $dev (vekora-kbd-sim state):"
    while IFS= read -r line; do
        if [[ -f $before ]] && ! grep -qxF -- "$line" "$before"; then
            echo "  * $line"
        else
            echo "    $line"
        fi
    done <"$now"
    mv "$now" "$before"
}

"$ctl" language 1033 >/dev/null

step "Detection: the scan finds both keyboards" devices
step "The doctor agrees" doctor
step "The 98-key RGB keyboard" model 10
step "Status" status
state 0

step "Key remap: Caps Lock becomes Ctrl+Z" key Caps key:ctrl+z
state 0
step "An effect" light 3
state 0
step "A user light: painted, then saved into custom slot 2" userlight add Demo
step "" userlight paint 2 Esc=#FF0000 W=#00FF00 A=#00FF00 S=#00FF00 D=#00FF00 Space=#0000FF
step "" userlight save-slot 2 2
state 0
step "A macro on F5: types 'hi'" macro add Hello --times 1 --delay 0 down:h up:h delay:20 down:i up:i
step "" key F5 macro:1
state 0
step "Profile switch" profile 2
state 0
step "Profile export" export-profile "$work/export"
echo "--- the exported file:"
cat "$work/export"/*.xml
echo

step "The 61-key RGB keyboard" model 1
state 1
step "Key remap: Esc plays and pauses" key Esc media:play-pause
state 1
step "An effect" light 5
state 1
step "Lock the Windows key" lock win on
state 1
step "Profile switch" profile 3
state 1
step "Profile E cannot be changed (exit status 4)" profile 5
set +e
"$ctl" key A fn
status=$?
set -e
echo "(exit status $status)"
[[ $status == 4 ]]
"$ctl" profile 1 >/dev/null

echo
echo "=== $(wc -l <"$work/reports.log") reports reached the keyboards; the simulator stops."
