#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need.
#
#   scripts/install-deps.sh              apt-get update, then install whatever is missing
#   scripts/install-deps.sh --if-missing do nothing at all when every package is present
#
# Idempotent: packages already installed are left alone. Runs apt-get through sudo when not
# root. Add new packages to the list below (one group per concern), never elsewhere.
set -euo pipefail

packages=(
  # Toolchain and build
  build-essential cmake ninja-build pkg-config clang clang-format
  # Tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # Store
  libsqlite3-dev
  # Device access and hot-plug
  libhidapi-dev libudev-dev
  # XML files
  libpugixml-dev
  # Music visualizer: capture and FFT
  libpulse-dev libfftw3-dev
  # Toolkit rendering and window system
  libcairo2-dev libpango1.0-dev libx11-dev libxext-dev libxi-dev libxtst-dev
  # Tray (StatusNotifierItem over sd-bus)
  libsystemd-dev
  # Fonts able to show Chinese text
  fonts-wqy-microhei
  # End-to-end test services: X server, input injection, screenshots, sound server, D-Bus
  xvfb xdotool imagemagick x11-utils pulseaudio pulseaudio-utils sox dbus
)

only_if_missing=0
for arg in "$@"; do
  case "$arg" in
    --if-missing) only_if_missing=1 ;;
    -h|--help) sed -n '2,9p' "$0"; exit 0 ;;
    *) echo "install-deps: unknown option $arg" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 && $only_if_missing -eq 1 ]]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then sudo=(sudo); else
    echo "install-deps: not root and no sudo; install these packages: ${missing[*]}" >&2
    exit 1
  fi
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
if [[ ${#missing[@]} -eq 0 ]]; then
  echo "install-deps: all ${#packages[@]} packages present"
else
  echo "install-deps: installing ${missing[*]}"
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
