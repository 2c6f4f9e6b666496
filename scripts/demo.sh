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

# The simulated keyboard's state (vekora-kbd-sim's "state DEV" JSON), one field a line:
# short values as they are, byte areas as their size, how many bytes are set and the first
# set bytes; lists element by element. Empty areas are left out; '*' marks what changed since
# the keyboard's previous print.
summarise_state() {
    awk '
    # Splits the members (object) or elements (array) of the JSON text `s` at depth 1.
    function split_top(s, parts,    n, depth, instr, i, c, start) {
        n = 0; depth = 0; instr = 0; start = 2
        for (i = 1; i <= length(s); i++) {
            c = substr(s, i, 1)
            if (instr) { if (c == "\\") i++; else if (c == "\"") instr = 0; continue }
            if (c == "\"") instr = 1
            else if (c == "{" || c == "[") depth++
            else if (c == "}" || c == "]") {
                depth--
                if (depth == 0) { parts[++n] = trim(substr(s, start, i - start)) }
            } else if (c == "," && depth == 1) { parts[++n] = trim(substr(s, start, i - start)); start = i + 1 }
        }
        if (n == 1 && parts[1] == "") n = 0
        return n
    }
    function trim(t) { sub(/^[ \t]+/, "", t); sub(/[ \t]+$/, "", t); return t }
    # "" for an empty area, else a short description.
    function describe(v,    body, set, first, i, n, parts, out, d, k) {
        if (v ~ /^"[0-9a-f]+"$/ && length(v) >= 10) {
            v = substr(v, 2, length(v) - 2); body = v; sub(/aa55$/, "", body)
            set = 0; first = -1
            for (i = 1; i <= length(body); i += 2)
                if (substr(body, i, 2) != "00") { set++; if (first < 0) first = (i - 1) / 2 }
            if (set == 0) return ""
            return sprintf("%d bytes, %d set from byte %d: %s", length(v) / 2, set, first,
                           substr(v, first * 2 + 1, 24))
        }
        if (v == "null" || v == "\"\"") return ""
        if (length(v) <= 60) return v
        if (substr(v, 1, 1) == "[") {
            n = split_top(v, parts); out = ""; k = 0
            for (i = 1; i <= n; i++) {
                d = describe(parts[i])
                if (d != "") { out = out sprintf("\n      [%d] %s", i, d); k++ }
            }
            return k ? sprintf("%d of %d set:%s", k, n, out) : ""
        }
        return substr(v, 1, 57) "..."
    }
    {
        n = split_top($0, members)
        for (m = 1; m <= n; m++) {
            colon = index(members[m], ":")
            key = substr(members[m], 1, colon - 1); gsub(/"/, "", key)
            d = describe(trim(substr(members[m], colon + 1)))
            if (d != "") printf "%-14s %s\n", key, d
        }
    }'
}

state() {
    local dev=$1 now="$work/state-$1.now" before="$work/state-$1.before"
    local answer
    answer=$("$sim" --socket "$socket" --ctl state "$dev" 2>&1) || true
    if [[ $answer != ok* ]]; then
        echo "    (keyboard $dev: ${answer#err })"
        return
    fi
    echo "${answer#ok }" | summarise_state >"$now"
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
step "Profile switch: Profile B gets a key map of its own" profile 2
step "" key Esc media:mute
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
