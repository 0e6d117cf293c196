#!/usr/bin/env bash
# no_display_test.sh: the game started where no window can be made prints one line naming what
# failed and ends with status 1, rather than running on a driver that draws nowhere: once with
# a video driver that does not exist, once with no display at all (no X or Wayland display and
# no driver named, as a player's session without a display starts it).
# Usage: no_display_test.sh <path of the game>
set -u
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
failed=0

# expect <start of the line> <command...>: the command, ended after ten seconds if it runs on.
expect() {
  local line=$1 output status
  shift
  output=$(XDG_CONFIG_HOME=$home timeout 10 "$@" 2>&1 >/dev/null)
  status=$?
  echo "status $status, $(printf '%s\n' "$output" | wc -l) line(s): $output"
  [[ $status -eq 1 && $(printf '%s\n' "$output" | wc -l) -eq 1 && $output == "$line"?* ]] || failed=1
}

expect "Pellix: cannot start the video system: " env SDL_VIDEODRIVER=no-such-driver "$1"
expect "Pellix: cannot start the video system: no display" \
  env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR "$1"
exit $failed
