#!/usr/bin/env bash
# measure-scaled.sh: the game's processor use at the menu and on a board when its window is
# 800 x 600, 1600 x 1200 (the 2x art, texel for pixel), 2400 x 1800 (the 3x art) and full screen
# on a 1920 x 1080 desktop (the 2x art scaled by 1.8), on a real X server without a window
# manager (xvfb-run, Mesa's software renderer). On the board at 800 x 600 also with the pointer
# sweeping over it (50 moves a second) and minimised. Prints percent of one core over each
# stretch; also leaves screenshots in the output folder.
# Usage: scripts/measure-scaled.sh [seconds per stretch, default 10] [build folder] [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
build=${2:-build}
out=${3:-$build/measure-scaled}
mkdir -p "$out"
# Absolute: the game ignores a relative XDG_CONFIG_HOME, as the XDG rules ask, and would share
# ~/.config, with a game the other screen size kept.
out=$(cd "$out" && pwd)
if [ -z "${MEASURE_SCALED_INSIDE:-}" ]; then
  for screen in 2400x1800 1920x1080; do
    MEASURE_SCALED_INSIDE=$screen xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$seconds" "$build" "$out"
  done
  exit 0
fi

# The middle of a button or mark of the 800 x 600 picture, "x y": unquoted, it gives click both.
centre() { scripts/screen_layout.py --centre "$@"; }
play=$(centre kPlayButton kDialogButtonWidth kDialogButtonHeight)
settings=$(centre kSettingsButton kMenuButtonWidth kMenuButtonHeight)
fullscreen=$(centre kFullscreenMark kCheckSize kCheckSize)
done_button=$(centre kMiddleButton kDialogButtonWidth kDialogButtonHeight)
read -r play_x play_y <<<"$play"

export XDG_CONFIG_HOME="$out/config-$MEASURE_SCALED_INSIDE" SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11
rm -rf "$XDG_CONFIG_HOME"
mkdir -p "$XDG_CONFIG_HOME"
"$build/pellix" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

source scripts/core-share.sh
measure() {
  echo "$MEASURE_SCALED_INSIDE $1: $(core_share "$pid" "$seconds" "${@:2}") % of one core"
  if command -v import >/dev/null; then import -window root "$out/${1// /_}.png"; fi
}
# A click at a point of the 800 x 600 picture, where the window shows it at that scale.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }

sleep 4
window=$(xdotool search --name Pellix | head -1)
xdotool windowmove "$window" 0 0
if [ "$MEASURE_SCALED_INSIDE" = 2400x1800 ]; then
  measure "menu 800x600"
  xdotool windowsize "$window" 2400 1800
  sleep 2
  measure "menu 2400x1800"
  xdotool windowsize "$window" 1600 1200
  sleep 2
  measure "menu 1600x1200"
  click $((2 * play_x)) $((2 * play_y))   # Play, at twice its place
  xdotool mousemove --window "$window" 1590 1190   # off the buttons
  sleep 3
  measure "board 1600x1200"
  xdotool windowsize "$window" 2400 1800
  sleep 6   # the 3x art loads after the resize: measure the board that follows
  measure "board 2400x1800"
  xdotool windowsize "$window" 800 600
  sleep 2
  measure "board 800x600"
  measure "board 800x600 pointer moving" sweep_pointer 150 560   # over the cells
  xdotool mousemove --window "$window" 790 590
  xdotool windowunmap "$window"
  sleep 2
  measure "board minimised"
  xdotool windowmap "$window"
else
  click $settings
  click $fullscreen
  sleep 2
  # Without a window manager the window keeps its size and the picture stays whole in it; a
  # window manager would give it the desktop, which is what xdotool does here.
  click $done_button     # the settings' Done
  measure "menu fullscreen kept small"
  xdotool windowsize "$window" 1920 1080
  sleep 2
  # The picture is then 1440 x 1080 from x = 240: 1.8 times its own pixels.
  measure "menu fullscreen 1920x1080"
  click $((240 + play_x * 9 / 5)) $((play_y * 9 / 5))   # Play
  sleep 3
  measure "board fullscreen 1920x1080"
fi
kill -TERM $pid
wait $pid || true
