#!/usr/bin/env bash
# no_display_test.sh: the game started where no window can be made prints one line naming what
# failed and ends with status 1. Usage: no_display_test.sh <path of the game>
set -u
output=$(SDL_VIDEODRIVER=no-such-driver "$1" 2>&1 >/dev/null)
status=$?
lines=$(printf '%s\n' "$output" | wc -l)
echo "status $status, $lines line(s): $output"
[[ $status -eq 1 && $lines -eq 1 && $output == "Pellix: cannot start the video system: "?* ]]
