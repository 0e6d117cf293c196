#!/usr/bin/env bash
# resized_board_test.sh: after each resize of a board in play, with the clock ticking on, the
# window shows what a frame drawn whole shows. A frame drawn only where it changed draws over
# the picture kept in the drawable; a picture the renderer lost at a resize would stay in the
# window under such frames. Tried on a real X server (Xvfb, no window manager, Mesa's software
# renderer), resized with xdotool: 1600 x 1200 (the 2x art), 2400 x 1800 (the 3x art loaded
# after the resize), 800 x 600 and 1600 x 1200 again. At each size the window is read back
# after the clock has ticked a few times, then the window is moved, which has the game draw the
# whole frame afresh, and read back again: everything but the clock's line must be the same.
# Each size's picture is saved as resized_board_<width>.png.
# Usage: resized_board_test.sh <path of the game> <path of pellix-window-shot> <captures folder>
set -u
source "$(dirname "$0")/on_xvfb.sh" 2560x1920 "$@"
mkdir -p "$home/config"
failed=0

read -r play_x play_y <<<"$("$layout" --centre kPlayButton kDialogButtonWidth kDialogButtonHeight)"
{ read -r clock_top; } < <("$layout" kClockTop)
# The clock's line of the 800 x 600 picture, with room above and below: the only part that may
# change between the two readings.
clock_from=$((clock_top - 8))
clock_to=$((clock_top + 32))

# Everything but the clock's line, at a scale of the 800 x 600 picture (scale in tenths).
outside_clock() {
  local tenths=$1 width=$(($1 * 80)) height=$(($1 * 60))
  local from=$((clock_from * tenths / 10)) to=$((clock_to * tenths / 10))
  echo 0 0 "$width" "$from" 0 "$to" "$width" $((height - to))
}

XDG_CONFIG_HOME=$home/config SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11 "$game" 2>"$home/stderr" &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pellix$' | head -1)
[[ -n $window ]] || { echo "no window"; cat "$home/stderr"; exit 1; }
xdotool windowmove "$window" 0 0
sleep 2.5 # the splash
xdotool windowsize "$window" 1600 1200
sleep 1
xdotool mousemove --window "$window" $((2 * play_x)) $((2 * play_y)) click 1
sleep 1
xdotool mousemove --window "$window" 5 5 # off every button

for size in 1600x1200 2400x1800 800x600 1600x1200; do
  width=${size%x*}
  height=${size#*x}
  tenths=$((width / 80))
  xdotool windowsize "$window" "$width" "$height"
  sleep 4 # the clock ticks over the resized picture; the sharper art loads meanwhile
  kept=$("$shot" "$window" "$captures/resized_board_$width.png" $(outside_clock "$tenths")) ||
    { echo "$size: the window could not be read"; failed=1; continue; }
  xdotool windowmove "$window" 10 10 sleep 0.5 windowmove "$window" 0 0
  sleep 1
  whole=$("$shot" "$window" "$home/whole.png" $(outside_clock "$tenths")) ||
    { echo "$size: the window could not be read after the move"; failed=1; continue; }
  if [[ $kept == "$whole" ]]; then
    echo "$size: the window shows the whole frame"
  else
    echo "$size: the window differs from the frame drawn whole (resized_board_$width.png)"
    failed=1
  fi
done
kill -TERM "$pid"
wait "$pid"
pid=
exit $failed
