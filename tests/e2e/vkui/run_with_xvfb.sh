#!/usr/bin/env bash
# Runs a command under a private Xvfb server and tears the server down afterwards.
#
#   run_with_xvfb.sh COMMAND [ARGS...]
#
# The display number comes from Xvfb itself (-displayfd). Without Xvfb the run is skipped
# (exit 77) on a developer machine and fails under CI=true, so CI never passes silently.
set -uo pipefail

if ! command -v Xvfb >/dev/null 2>&1; then
  if [[ "${CI:-}" == "true" ]]; then
    echo "run_with_xvfb: Xvfb is not installed (required under CI)" >&2
    exit 1
  fi
  echo "run_with_xvfb: Xvfb is not installed; skipping" >&2
  exit 77
fi

fifo_dir=$(mktemp -d)
trap 'rm -rf "$fifo_dir"' EXIT
mkfifo "$fifo_dir/displayfd"
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp -noreset 5>"$fifo_dir/displayfd" \
  >"$fifo_dir/xvfb.log" 2>&1 &
xvfb_pid=$!
cleanup() {
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  rm -rf "$fifo_dir"
}
trap cleanup EXIT

display=""
if ! read -r -t 10 display <"$fifo_dir/displayfd" || [[ -z "$display" ]]; then
  echo "run_with_xvfb: Xvfb did not start" >&2
  cat "$fifo_dir/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$display"
unset VKUI_BACKEND
"$@"
