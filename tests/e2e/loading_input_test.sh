#!/usr/bin/env bash
# loading_input_test.sh: input made while the loading picture is up never reaches the new board,
# tried as a player makes it: the built game on a real X server (Xvfb, no window manager), driven
# with xdotool. A double click on Play (on Hard, the second click 150 ms after the first), a key
# press and a typed digit during the loading picture; then the board must show no edit and the
# current number must still be 1. Pressing 1 and Z (undo) afterwards must change nothing on the
# screen: the Undo button keeps its empty-list look and the cell under the pointer stays as it
# was. Three runs, every one clean. Each run's board is saved as loading_input_<n>.png.
# Usage: loading_input_test.sh <path of the game> <path of pellix-window-shot> <captures folder>
set -u
source "$(dirname "$0")/on_xvfb.sh" 1024x768 "$@"
failed=0

read -r play_x play_y <<<"$("$layout" --centre kPlayButton kDialogButtonWidth kDialogButtonHeight)"
{ read -r column; read -r _ _ hard_row; read -r check; read -r board_left; read -r board_top; read -r cell
  read -r undo_x undo_y; read -r button_w; read -r button_h; read -r panel_x; read -r panel_y
  read -r panel_w; read -r panel_h; } < <("$layout" kDifficultyColumn kOptionRows kCheckSize kBoardLeft \
  kBoardTop kCellSize kUndoButton kGameButtonWidth kGameButtonHeight kPanelLeft kPanelTop kPanelWidth kPanelHeight)
# What must not change: the Undo button, the cell under Play, the side panel with its highlight.
regions=("$undo_x" "$undo_y" "$button_w" "$button_h"
  $((board_left + (play_x - board_left) / cell * cell)) $((board_top + (play_y - board_top) / cell * cell))
  "$cell" "$cell" "$panel_x" "$panel_y" "$panel_w" "$panel_h")
names=("the Undo button" "the cell under the pointer" "the number panel")

# The window's picture once it stopped changing for half a second.
settle() {
  local before= now
  for _ in $(seq 60); do
    now=$("$shot" "$window" "$home/settle.png" 0 0 800 600) || return 1
    [[ $now == "$before" ]] && return 0
    before=$now
    sleep 0.5
  done
  return 1
}

one_run() {
  local n=$1 menu board after i
  rm -rf "$home/config"
  mkdir -p "$home/config"
  XDG_CONFIG_HOME=$home/config SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11 "$game" 2>"$home/stderr" &
  pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pellix$' | head -1)
  [[ -n $window ]] || { echo "run $n: no window"; return 1; }
  sleep 2.5 # the splash
  xdotool mousemove --window "$window" 790 590
  settle || { echo "run $n: the menu did not settle"; return 1; }
  xdotool mousemove --window "$window" $((column + check / 2)) $((hard_row + check / 2)) click 1
  xdotool mousemove --window "$window" 790 590
  settle || { echo "run $n: the menu did not settle after Hard"; return 1; }
  menu=$("$shot" "$window" "$home/menu.png" "${regions[@]}")
  # The double click; then, while the puzzle is made, a key and a typed digit.
  xdotool mousemove --window "$window" "$play_x" "$play_y" click 1 sleep 0.15 click 1 sleep 0.1 key 5 type 7
  sleep 1.5
  settle || { echo "run $n: the board did not settle"; return 1; }
  board=$("$shot" "$window" "$captures/loading_input_$n.png" "${regions[@]}")
  [[ $board != "$menu" ]] || { echo "run $n: the board did not come"; return 1; }
  xdotool key 1 z
  sleep 0.5
  settle || { echo "run $n: the board did not settle after 1 and Z"; return 1; }
  after=$("$shot" "$window" "$home/after.png" "${regions[@]}")
  mapfile -t board <<<"$board"
  mapfile -t after <<<"$after"
  local clean=yes
  for i in 0 1 2; do
    [[ ${board[i]} == "${after[i]}" ]] || { echo "run $n: ${names[i]} changed: input from the loading picture reached the board"; clean=; }
  done
  kill -TERM "$pid"
  wait "$pid"
  pid=
  [[ -n $clean ]] && echo "run $n: clean"
  [[ -n $clean ]]
}

for n in 1 2 3; do
  one_run "$n" || failed=1
done
exit $failed
