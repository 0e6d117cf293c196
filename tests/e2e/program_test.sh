#!/usr/bin/env bash
# program_test.sh: the built game as a player's system runs it: ended by signals, started twice,
# its X server gone under it.
# Usage: program_test.sh <path of the game> signals|one-copy|lost-display
# Runs on SDL's offscreen driver (named by SDL_VIDEODRIVER) with a temporary settings folder
# and no X display, so no message box can appear; lost-display runs on an Xvfb of its own.
set -u
# Job control: the copies started in the background take SIGINT as a terminal's Ctrl+C would
# bring it, where a script's background jobs would ignore it.
set -m
game=$1
home=$(mktemp -d)
trap 'kill -KILL $(jobs -p) 2>/dev/null; rm -rf "$home"' EXIT
record=$home/Brimworks/Settings/Pellix
failed=0

fail() {
  echo "FAILED: $*"
  failed=1
}

# Starts a copy of the game in the background; its stderr goes to $home/stderr.<n>.
started=0
start() {
  started=$((started + 1))
  env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$home" SDL_VIDEODRIVER=offscreen \
    "$game" 2>"$home/stderr.$started" &
  copy=$!
}

# Waits for the process (a child of this shell) and sets status to its exit status; one still
# running after ten seconds is killed (status 137).
finish() {
  local watchdog
  (sleep 10 && kill -KILL "$1" 2>/dev/null) &
  watchdog=$!
  wait "$1"
  status=$?
  kill "$watchdog" 2>/dev/null
  wait "$watchdog" 2>/dev/null
}

# Waits until some copy holds the record's lock. The kernel's table of locks is read rather
# than the lock tried: a try holds it for a moment, and a copy starting then would leave.
wait_for_lock() {
  for _ in $(seq 100); do
    [[ -e $record.lock ]] && grep -q ":$(stat -c %i "$record.lock") " /proc/locks && return 0
    sleep 0.1
  done
  fail "no copy took the lock"
}

signals() {
  # Each termination signal is a normal shutdown: status 0, the record saved, nothing said.
  local signal
  for signal in TERM INT HUP; do
    rm -f "$record"
    start
    sleep 3
    kill -s "$signal" "$copy"
    finish "$copy"
    echo "SIG$signal: status $status, record $(stat -c %s "$record" 2>/dev/null || echo missing)"
    [[ $status -eq 0 ]] || fail "SIG$signal ended with status $status"
    [[ $(stat -c %s "$record" 2>/dev/null) == 1936 ]] || fail "SIG$signal: no saved record"
    [[ ! -s $home/stderr.$started ]] || fail "SIG$signal: $(cat "$home/stderr.$started")"
  done
}

one_copy() {
  # A second copy leaves at once with status 0 and touches nothing; the first runs on.
  local first
  start
  first=$copy
  wait_for_lock
  start
  finish "$copy"
  echo "second copy: status $status"
  [[ $status -eq 0 ]] || fail "the second copy ended with status $status"
  kill -0 "$first" 2>/dev/null || fail "the first copy is gone"
  [[ ! -e $record ]] || fail "the second copy wrote the record"
  kill -TERM "$first"
  finish "$first"
  [[ $status -eq 0 && -e $record ]] || fail "the first copy ended with status $status"
  # A copy killed outright leaves no lock behind: the next one runs.
  start
  first=$copy
  wait_for_lock
  kill -KILL "$first"
  wait "$first" 2>/dev/null
  start
  wait_for_lock
  kill -0 "$copy" 2>/dev/null || fail "the copy after a killed one did not run"
  kill -TERM "$copy"
  finish "$copy"
  echo "after SIGKILL: the next copy ran and ended with status $status"
  [[ $status -eq 0 ]] || fail "the copy after a killed one ended with status $status"
}

lost_display() {
  # The X server killed under a game in play: the game ends at once with a failure, says why,
  # and has kept the game and the profile as a normal end would.
  local display play_x play_y window kept=${record}Game
  Xvfb -displayfd 5 -nolisten tcp -screen 0 1024x768x24 5>"$home/display" 2>/dev/null &
  local server=$!
  for _ in $(seq 100); do
    display=$(cat "$home/display")
    [[ -n $display ]] && break
    sleep 0.1
  done
  [[ -n $display ]] || { fail "Xvfb did not start"; return; }
  export DISPLAY=:$display
  XDG_CONFIG_HOME="$home" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$game" 2>"$home/stderr" &
  copy=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pellix$' | head -1)
  [[ -n $window ]] || { fail "no window"; return; }
  sleep 3 # the splash
  read -r play_x play_y <<<"$("$(dirname "$0")/../../scripts/screen_layout.py" --centre kPlayButton \
    kDialogButtonWidth kDialogButtonHeight)"
  xdotool mousemove --window "$window" "$play_x" "$play_y" click 1
  sleep 3 # the puzzle made behind the loading picture
  kill -KILL "$server"
  wait "$server" 2>/dev/null
  finish "$copy"
  echo "display lost: status $status, kept game $(stat -c %s "$kept" 2>/dev/null || echo missing)"
  [[ $status -eq 1 ]] || fail "the game ended with status $status"
  [[ -s $kept ]] || fail "no kept game"
  [[ $(stat -c %s "$record" 2>/dev/null) == 1936 ]] || fail "no saved record"
  grep -q "display was lost" "$home/stderr" || fail "nothing said of the display: $(cat "$home/stderr")"
}

case ${2:-} in
signals) signals ;;
one-copy) one_copy ;;
lost-display) lost_display ;;
*) echo "usage: $0 <game> signals|one-copy|lost-display" >&2; exit 2 ;;
esac
exit $failed
