#!/usr/bin/env bash
# measure-idle.sh: how much processor time the game uses while nothing on its screen changes, on
# a real X server (xvfb-run, Mesa's software renderer llvmpipe, no window manager), in percent of
# one core over each stretch:
#   menu idle      the menu, nobody touching anything;
#   board idle     a new board, the clock running (one changed frame a second);
#   minimised      the board's window minimised (unmapped, as an X window manager does);
#   pointer moving the pointer sweeping over the menu, 50 moves a second.
# Goals: menu 2 %, board 4 %, minimised 0.5 %; the pointer no worse than before.
# With a build folder made by CMake it then runs the loop's own probe: one full-window fill at
# 15 frames a second and no frames at all, with the intervals between ticks.
# Usage: scripts/measure-idle.sh [seconds per stretch, default 20] [folder holding pellix, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=${2:-build}

if [ -z "${MEASURE_IDLE_INSIDE:-}" ]; then
  if [ -e "$build/CMakeCache.txt" ]; then
    cmake --build "$build" --target pellix pellix-idle-probe >/dev/null
  fi
  MEASURE_IDLE_INSIDE=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$seconds" "$build"
  if [ -x "$build/tests/pellix-idle-probe" ]; then
    for rate in 15 0; do
      SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy xvfb-run -a "$build/tests/pellix-idle-probe" "$rate" "$seconds"
    done
  fi
  exit 0
fi

# The middle of the menu's Play, "x y" (unquoted below, it gives xdotool both).
play=$(scripts/screen_layout.py --centre kPlayButton kDialogButtonWidth kDialogButtonHeight)
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11
"$build/pellix" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$config"' EXIT

source scripts/core-share.sh
# Runs the command (or just waits) for the stretch and prints the game's share of one core.
measure() {
  local name=$1
  shift
  sleep 2
  printf "%-15s %5s %% of one core\n" "$name:" "$(core_share "$pid" "$seconds" "$@")"
}

window=$(xdotool search --sync --name '^Pellix$' | head -1)
xdotool windowmove "$window" 0 0
sleep 4 # the splash
measure "menu idle"
measure "pointer moving" sweep_pointer 100 700
xdotool mousemove --window "$window" $play click 1     # Play
xdotool mousemove --window "$window" 790 590          # off the buttons
sleep 2
measure "board idle"
xdotool windowunmap "$window"
measure "minimised"
xdotool windowmap "$window"
