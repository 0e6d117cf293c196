#!/usr/bin/env bash
# install-deps.sh: installs the Debian packages that building, running and testing Pellix need.
# Idempotent and silent when everything is already there; uses sudo when not run as root.
# Packages given as arguments are installed as well (scripts/build-windows.sh adds its own).
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config
  # tests and benchmarks, and the scripts' reader of the screen layout
  googletest libgtest-dev libgmock-dev libbenchmark-dev python3
  # the game: window, GL, audio, clipboard, pictures, the system-font kind
  libsdl2-dev libgl-dev libgl1-mesa-dri libegl-mesa0 libpng-dev zlib1g-dev
  libfreetype-dev libfontconfig-dev
  # the artwork generator: cairo pictures, Pango text with DejaVu (and Noto CJK for Japanese and
  # Chinese), gettext's tools for the catalogues, the desktop entry and the metainfo
  libcairo2-dev libpango1.0-dev fonts-dejavu-core fonts-noto-cjk gettext
  # headless runs with a real X window, driving it and reading it back (scripts/measure-idle.sh,
  # the loading picture's test)
  xvfb xauth xdotool libx11-dev
  # make fuzz: libFuzzer with clang (its seed-corpus script runs on python3)
  clang-14 libclang-rt-14-dev
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
