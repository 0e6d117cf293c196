#!/usr/bin/env bash
# measure-idle.sh: how much processor time the run loop uses between frames, on a real X window
# (xvfb-run, Mesa's software renderer): frame rate 15 with one full-window fillRect layer, then
# frame rate 0 without input. Goals: under 3 % and under 0.5 % of one core; the median tick
# interval within 2 ms of 1/15 s (66.7 ms).
# Usage: scripts/measure-idle.sh [seconds per run, default 20] [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=${2:-build}
cmake --build "$build" --target pellix-idle-probe >/dev/null
probe="$build/tests/pellix-idle-probe"
for rate in 15 0; do
  SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy xvfb-run -a "$probe" "$rate" "$seconds"
done
