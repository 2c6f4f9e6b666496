#!/usr/bin/env bash
# The README's run command: shows the product working on its embedded default.
set -euo pipefail
build=${1:-build}
"$build/tools/ctl/vekora-ctl" models
