#!/usr/bin/env bash
# test-windows.sh: a smoke test of the Windows package under Wine in a virtual X display. Two runs
# in a fresh 64-bit prefix: the first shows the menu (compared with the native build's capture),
# exits through its Exit button and leaves the default record in the registry; the second starts
# from a record changed in the registry, shows the change and keeps it. Two more runs start from
# a value shorter than the record (read, the rest taken from the defaults) and from one longer
# than it (not read at all). Then the installer: installed silently for all users, the installed
# game shows the menu, the silent uninstaller removes the files and keeps the record; installed
# for the current user alone, the uninstaller removes the record too when asked.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
package=$root/build-windows/Pellix
installer=$root/build-windows/Pellix-setup.exe
shots=$root/build-windows
[[ -e $package/pellix.exe && -e $installer ]] || { echo "no Windows package: run make windows first" >&2; exit 1; }

fail() {
  echo "test-windows: FAILED: $*" >&2
  exit 1
}

source scripts/virtual-display.sh
ensure_native_menu

work=$(mktemp -d)
cleanup() {
  timeout -s KILL 20 wineserver -k >/dev/null 2>&1 || true
  stop_virtual_display
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

start_virtual_display

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

# Starts the game $2 (the package's when not given) from a folder without Resources (so that it
# finds them beside itself), waits for its window and for the menu, saves a picture of the window
# as $1, presses Exit and checks that the program ends with status 0.
run_to_menu_and_exit() {
  local shot=$1 program=${2:-$package/pellix.exe} wid status
  (cd "$work" && exec timeout -s KILL 120 wine "$program") &
  local game_pid=$!
  wid=$(find_game_window)
  [[ -n $wid ]] || fail "the window \"Pellix\" did not appear"
  echo "The window \"Pellix\" appeared"
  # Wine hands the window class's icon, resource 101 of the program, to the window manager.
  xprop -id "$wid" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the window shows no icon"
  wait_for_menu "$wid" "$shot" || true
  click_exit "$wid" "$package/Resources/exit_menu_button.png"
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

# The menu's option marks: their size, the layout column's left edge and the rows' top edges.
check_size=$(scripts/screen_layout.py kCheckSize)
layout_column=$(scripts/screen_layout.py kLayoutColumn)
option_rows=$(scripts/screen_layout.py kOptionRows)
read -ra option_rows <<<"$option_rows"

# The square of one option's mark at x,y in one picture, as a picture file.
mark() {
  convert "$1" -crop "${check_size}x${check_size}+$2+$3" +repage "$4"
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
# mark beside "Classic" in the first run's picture stands in that layout's row.
expect_layout_marked() {
  local names=(Classic Random Chaos)
  mark "$shots/menu-wine.png" "$layout_column" "${option_rows[0]}" "$work/classic-first.png"
  mark "$1" "$layout_column" "${option_rows[$2]}" "$work/chosen.png"
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

# Where an installation for all users (/AllUsers, the default when the user may write there, as
# under Wine) or for the current user alone (/CurrentUser) puts the program, the shortcut and the
# Add/Remove Programs entry.
installation_places() {
  local mode=$1 profile=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}
  if [[ $mode == /AllUsers ]]; then
    installed_dir="$WINEPREFIX/drive_c/Program Files/Pellix"
    shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pellix.lnk"
    uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pellix'
  else
    installed_dir="$profile/AppData/Local/Programs/Pellix"
    shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Pellix.lnk"
    uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pellix'
  fi
}

# The value $2 of the registry key $1, or nothing.
registry_value() {
  timeout -s KILL 60 wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { print $3 }'
}

# Runs the installed uninstaller silently with the extra arguments given. NSIS's uninstaller
# copies itself away and returns at once; the copy removes the folder.
uninstall() {
  timeout -s KILL 60 wine "$installed_dir/Uninstall.exe" /S "$@" >/dev/null 2>&1 || fail "the uninstaller failed"
  for _ in $(seq 100); do [[ -e $installed_dir ]] || break; sleep 0.2; done
  [[ ! -e $installed_dir ]] || fail "the uninstaller left $installed_dir: $(ls "$installed_dir")"
  [[ ! -e $shortcut ]] || fail "the uninstaller left the Start-menu shortcut"
  [[ -z $(registry_value "$uninstall_key" DisplayName) ]] || fail "Add/Remove Programs still lists Pellix"
}

# Installs silently, with the mode given when there is one.
install_silently() {
  timeout -s KILL 120 wine "$installer" /S "$@" >/dev/null 2>&1 || fail "the silent installer failed"
  [[ -e $installed_dir/pellix.exe && -e $installed_dir/Uninstall.exe ]] || fail "nothing installed in $installed_dir"
  cmp -s "$installed_dir/pellix.exe" "$package/pellix.exe" || fail "the installed pellix.exe differs from the package's"
  diff -r "$installed_dir/Resources" "$package/Resources" >/dev/null || fail "the installed Resources differ from the package's"
  [[ -e $shortcut ]] || fail "no Start-menu shortcut"
  [[ $(registry_value "$uninstall_key" DisplayName) == Pellix ]] || fail "Add/Remove Programs does not list Pellix"
}

echo "The installer: silently, for all users"
installation_places /AllUsers
install_silently
echo "Installed into C:\\Program Files\\Pellix with a Start-menu shortcut and an Add/Remove Programs entry" \
  "(version $(registry_value "$uninstall_key" DisplayVersion))"
run_to_menu_and_exit "$work/menu-installed.png" "$installed_dir/pellix.exe"
(($(differing_pixels "$work/menu-installed.png" "$native_menu") < 4800)) || fail "the installed game does not show the menu"
echo "The installed game shows the menu"
timeout -s KILL 60 wine reg add "$key" /v Other /t REG_SZ /d kept /f >/dev/null 2>&1 || fail "wine reg add failed"
uninstall
[[ $(stored_record) == "$(default_record 0)" ]] || fail "the uninstaller did not keep the record"
echo "The silent uninstaller removed the files, the shortcut and the entry, and kept the record"

echo "The installer again for the current user alone, then the uninstaller asked to remove the record"
installation_places /CurrentUser
install_silently /CurrentUser
echo "Installed into the user's AppData\\Local\\Programs\\Pellix with the shortcut and the entry in HKCU"
uninstall /RemoveRecord
[[ -z $(stored_record) ]] || fail "the uninstaller did not remove the record when asked"
[[ $(registry_value "$key" Other) == kept ]] || fail "the uninstaller removed another value beside the record"
echo "The record went, another value under the same key stayed"
echo "test-windows: passed"
