# virtual-display.sh: sourced by the smoke tests of the packages (test-windows.sh, test-package.sh):
# a virtual X display with a window manager, and the game's menu found in a window and compared
# with the native build's capture. Expects $root (the clone) and a fail function.

native_menu=$root/build/tests/captures/game_menu.png
xvfb_pid=
wm_pid=

# The native menu capture to compare with, made by the end-to-end test when it is missing.
ensure_native_menu() {
  [[ ! -e $native_menu ]] || return 0
  cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
  cmake --build "$root/build" -j "${JOBS:-2}" --target test_e2e >/dev/null
  (cd "$root/build/tests" && ./test_e2e --gtest_filter='MenuTest.Splash*' >/dev/null)
}

# Xvfb on the first free display number, with evilwm: with a window manager a closing window
# ends at once (without one Wine waits two seconds). Exports DISPLAY.
start_virtual_display() {
  local display=90
  while [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
  export DISPLAY=:$display
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  disown
  # A busy machine may take seconds to bring the server up; a program started before it is there
  # finds no display.
  local ready=
  for _ in $(seq 300); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && { ready=yes; break; }
    sleep 0.1
  done
  [[ -n $ready ]] || fail "Xvfb did not start on $DISPLAY"
  evilwm >/dev/null 2>&1 &
  wm_pid=$!
  disown
}

stop_virtual_display() {
  [[ -z $wm_pid ]] || kill -9 "$wm_pid" 2>/dev/null || true
  [[ -z $xvfb_pid ]] || kill -9 "$xvfb_pid" 2>/dev/null || true
}

# Differing pixels between two pictures of the same size, by more than a few per cent.
# (compare's status says whether they differ, which is no failure here).
differing_pixels() {
  { compare -metric AE -fuzz 5% "$1" "$2" null: 2>&1 || true; } | awk '{ print int($1) }'
}

# The id of the visible window named "Pellix", waiting up to a minute; empty when none came.
# Polled: a search walks the window tree, and fails when a window in it (such as the hidden one
# SDL makes to try OpenGL) goes away meanwhile.
find_game_window() {
  local wid=
  for _ in $(seq 300); do
    wid=$(timeout -s KILL 10 xdotool search --onlyvisible --name '^Pellix$' 2>/dev/null | head -1) || true
    [[ -z $wid ]] || break
    sleep 0.2
  done
  echo "$wid"
}

# Waits for the menu in window $1 (after the two-second splash it stays still) and saves its
# picture as $2: true once fewer than 1 % of its pixels differ from the native capture.
wait_for_menu() {
  local wid=$1 shot=$2
  # Out of every button, so that none shows its highlight.
  xdotool mousemove --window "$wid" 5 5
  for _ in $(seq 40); do
    sleep 0.5
    import -window "$wid" "$shot" 2>/dev/null || continue
    [[ $(identify -format '%wx%h' "$shot") == 800x600 ]] || continue
    (($(differing_pixels "$shot" "$native_menu") < 4800)) && return 0
  done
  echo "the menu did not come: $(differing_pixels "$shot" "$native_menu") pixels differ" >&2
  return 1
}

# Presses the menu's Exit button in window $1; $2 is the button's picture, for its size.
click_exit() {
  local size
  size=$(identify -format '%w %h' "$2")
  xdotool mousemove --window "$1" $((499 + ${size% *} / 2)) $((524 + ${size#* } / 2)) click 1
}
