# on_xvfb.sh: sourced by the tests that drive the built game on a real X server of their own.
# Takes the test's arguments (the game, pellix-window-shot, the captures folder) and the screen
# size, runs the test again under xvfb-run (no window manager) unless it already runs there,
# and gives it a scratch folder ($home) and a game process ($pid) that are gone when it ends.
# Usage: source on_xvfb.sh <screen, e.g. 1024x768> "$@"
screen=$1
shift
if [[ -z ${PELLIX_ON_XVFB:-} ]]; then
  PELLIX_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp" "$0" "$@"
fi
game=$1
shot=$2
captures=$3
layout=$(dirname "$0")/../../scripts/screen_layout.py
home=$(mktemp -d)
pid=
trap '[[ -z $pid ]] || kill -KILL $pid 2>/dev/null; rm -rf "$home"' EXIT
mkdir -p "$captures"
