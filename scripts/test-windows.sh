#!/usr/bin/env bash
# test-windows.sh: a smoke test of the Windows package under Wine in a virtual X display. Two runs
# in a fresh 64-bit prefix: the first shows the menu (compared with the native build's capture),
# exits through its Exit button and leaves the default record in the registry; the second starts
# from a record changed in the registry, shows the change and keeps it. Two more runs start from
# a value shorter than the record (read, the rest taken from the defaults) and from one longer
# than it (not read at all).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
package=$root/build-windows/Pellix
native_menu=$root/build/tests/captures/game_menu.png
shots=$root/build-windows
jobs=${JOBS:-2}
[[ -e $package/pellix.exe ]] || { echo "no Windows package: run make windows first" >&2; exit 1; }

# The native menu capture to compare with, made by the end-to-end test when it is missing.
if [[ ! -e $native_menu ]]; then
  cmake -S . -B build -G Ninja >/dev/null
  cmake --build build -j "$jobs" --target test_e2e >/dev/null
  (cd build/tests && ./test_e2e --gtest_filter='MenuTest.Splash*' >/dev/null)
fi

work=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
  timeout -s KILL 20 wineserver -k >/dev/null 2>&1 || true
  [[ -z $wm_pid ]] || kill -9 "$wm_pid" 2>/dev/null || true
  [[ -z $xvfb_pid ]] || kill -9 "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all HOME=$work/home
mkdir -p "$HOME"
# ALSA's default device as a null sink, so that the game's audio device opens without hardware.
cat >"$HOME/.asoundrc" <<'ALSA'
pcm.!default { type null }
ctl.!default { type hw card 0 }
ALSA

display=90
while [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
export DISPLAY=:$display
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
disown
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
# A window manager lets a closing window end at once (without one Wine waits two seconds).
evilwm >/dev/null 2>&1 &
wm_pid=$!
disown

fail() {
  echo "test-windows: FAILED: $*" >&2
  exit 1
}

echo "Preparing a fresh Wine prefix"
timeout -s KILL 180 wine wineboot -i >/dev/null 2>&1 || fail "wineboot did not finish"
timeout -s KILL 60 wineserver -w || true

key='HKCU\Software\Brimworks\Settings'

# The stored record as hex, or nothing when there is none.
stored_record() {
  timeout -s KILL 60 wine reg query "$key" /v Pellix 2>/dev/null | tr -d '\r' |
    awk '$1 == "Pellix" { print $2 " " $3 }'
}

# The record a new profile saves: version 2, sound on, every name "Anonymous", best times of
# 36000, 72000 and 108000 seconds; with the layout byte given, cut to or padded with zeros to
# the length given (1936 when none).
default_record() {
  python3 - "$1" "${2:-1936}" <<'PY'
import struct, sys
record = bytearray(1936)
record[0], record[2], record[3] = 2, 1, int(sys.argv[1])
name = b"Anonymous"
for offset in [5] + [70 + entry * 65 for entry in range(27)]:
    record[offset:offset + len(name)] = name
for entry in range(27):
    struct.pack_into("<f", record, 1828 + entry * 4, (entry % 3 + 1) * 36000.0)
length = int(sys.argv[2])
print("REG_BINARY " + (record + bytes(max(0, length - 1936)))[:length].hex().upper())
PY
}

# Replaces the stored record with the default one of that layout and length.
store_record() {
  timeout -s KILL 60 wine reg add "$key" /v Pellix /t REG_BINARY /d "$(default_record "$1" "$2" | cut -d' ' -f2)" /f \
    >/dev/null 2>&1 || fail "wine reg add failed"
}

# Differing pixels between two pictures of the same size, by more than a few per cent.
# (compare's status says whether they differ, which is no failure here).
differing_pixels() {
  { compare -metric AE -fuzz 5% "$1" "$2" null: 2>&1 || true; } | awk '{ print int($1) }'
}

# Starts the game from a folder without Resources (so that it finds them beside itself), waits
# for its window and for the menu, saves a picture of the window as $1, presses Exit and
# checks that the program ends with status 0.
run_to_menu_and_exit() {
  local shot=$1 wid status
  (cd "$work" && exec timeout -s KILL 120 wine "$package/pellix.exe") &
  local game_pid=$!
  # Polled: a search walks the window tree, and fails when a window in it (such as the hidden one
  # SDL makes to try OpenGL) goes away meanwhile.
  wid=
  for _ in $(seq 300); do
    wid=$(timeout -s KILL 10 xdotool search --onlyvisible --name '^Pellix$' 2>/dev/null | head -1) || true
    [[ -z $wid ]] || break
    sleep 0.2
  done
  [[ -n $wid ]] || fail "the window \"Pellix\" did not appear"
  echo "The window \"Pellix\" appeared"
  # Wine hands the window class's icon, resource 101 of the program, to the window manager.
  xprop -id "$wid" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the window shows no icon"
  # Out of every button, so that none shows its highlight.
  xdotool mousemove --window "$wid" 5 5
  # The splash shows for two seconds; then the menu stays still.
  local shown=
  for _ in $(seq 40); do
    sleep 0.5
    import -window "$wid" "$shot" 2>/dev/null || continue
    [[ $(identify -format '%wx%h' "$shot") == 800x600 ]] || continue
    if (($(differing_pixels "$shot" "$native_menu") < 4800)); then shown=yes; break; fi
  done
  [[ -n $shown ]] || echo "the menu did not come: $(differing_pixels "$shot" "$native_menu") pixels differ" >&2
  local size
  size=$(identify -format '%w %h' "$package/Resources/exit_menu_button.png")
  xdotool mousemove --window "$wid" $((499 + ${size% *} / 2)) $((524 + ${size#* } / 2)) click 1
  wait "$game_pid" && status=0 || status=$?
  ((status == 0)) || fail "the game ended with status $status after Exit"
  echo "Exit ended the game with status 0"
}

# The colour at x,y of a picture as "red green blue", 0-255 each.
colour() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# Whether two colours differ by at most a few steps in every channel.
close_colours() {
  local -a first=($1) second=($2)
  local channel
  for channel in 0 1 2; do
    local difference=$((first[channel] - second[channel]))
    ((difference * difference <= 64)) || return 1
  done
}

# The 28-pixel square of one option's mark at x,y in one picture, as a picture file.
mark() {
  convert "$1" -crop "28x28+$2+$3" +repage "$4"
}

echo "First run: no record yet"
[[ -z $(stored_record) ]] || fail "a record exists before the first run"
run_to_menu_and_exit "$shots/menu-wine.png"
differing=$(differing_pixels "$shots/menu-wine.png" "$native_menu")
echo "The menu under Wine differs from the native one in $differing of 480000 pixels"
((differing < 4800)) || fail "the menu under Wine does not match build/tests/captures/game_menu.png"
# Known places: the background, the Play button, the "Classic" and "Easy" marks, the best-times
# panel, the Exit button. Each has its native colour: the picture is drawn, not left black.
for place in "50 50" "190 285" "352 260" "520 260" "620 450" "515 540"; do
  wine_colour=$(colour "$shots/menu-wine.png" $place)
  native_colour=$(colour "$native_menu" $place)
  close_colours "$wine_colour" "$native_colour" ||
    fail "colour at $place: $wine_colour under Wine, $native_colour natively"
  [[ $wine_colour != "0 0 0" ]] || fail "black at $place"
done
echo "Known places of the menu have their native colours"
[[ $(stored_record) == "$(default_record 0)" ]] || fail "the registry does not hold the 1936-byte default record"
echo "The registry holds the 1936-byte default record as REG_BINARY"

# The menu in picture $1 marks layout $2 (0 "Classic", 1 "Random", 2 "Chaos") as chosen: the
# mark beside "Classic" in the first run's picture stands in that layout's row (the option rows
# of src/game/game_menu.cpp).
expect_layout_marked() {
  local names=(Classic Random Chaos) rows=(254 294 335)
  mark "$shots/menu-wine.png" 346 254 "$work/classic-first.png"
  mark "$1" 346 "${rows[$2]}" "$work/chosen.png"
  (($(differing_pixels "$work/classic-first.png" "$work/chosen.png") == 0)) ||
    fail "the menu does not mark the stored layout \"${names[$2]}\""
  echo "The menu marks the stored layout \"${names[$2]}\""
}

echo "Second run: the record says \"Random\""
store_record 1 1936
run_to_menu_and_exit "$shots/menu-wine-random.png"
expect_layout_marked "$shots/menu-wine-random.png" 1
[[ $(stored_record) == "$(default_record 1)" ]] || fail "the second run did not keep the stored record"
echo "The second run found the record and kept it"

echo "Third run: a 100-byte value that says \"Chaos\""
store_record 2 100
run_to_menu_and_exit "$work/menu-chaos.png"
expect_layout_marked "$work/menu-chaos.png" 2
[[ $(stored_record) == "$(default_record 2)" ]] || fail "the short value did not become a whole record"
echo "The short value was read and saved back as a whole record"

echo "Fourth run: a 2000-byte value that says \"Random\""
store_record 1 2000
run_to_menu_and_exit "$work/menu-long.png"
expect_layout_marked "$work/menu-long.png" 0
[[ $(stored_record) == "$(default_record 0)" ]] || fail "the long value was not replaced by the defaults"
echo "The long value was not read; the defaults were saved in its place"
echo "test-windows: passed"
