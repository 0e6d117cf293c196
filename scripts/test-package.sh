#!/usr/bin/env bash
# test-package.sh: checks the Debian package of make package with Debian's own tools: the desktop
# entry (desktop-file-validate), the AppStream metainfo (appstreamcli, not a warning), lintian (no
# error; its other findings are printed), both manual pages rendered by man without a warning.
# Then the package is unpacked with dpkg -x into a scratch folder and its game started from
# there in a virtual display, with a fresh configuration folder: the menu must show, drawn with
# its art, Exit must end the game with status 0 and the record must be saved. Last, the commit is
# cloned into a folder elsewhere and packaged there: the two packages must be byte-identical.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
deb=$(ls build-package/pellix_*.deb 2>/dev/null | head -1)
[[ -n $deb ]] || { echo "no Debian package: run make package first" >&2; exit 1; }

bash scripts/install-deps.sh lintian appstream desktop-file-utils man-db groff-base \
  xvfb xauth xdotool x11-utils evilwm imagemagick

fail() {
  echo "test-package: FAILED: $*" >&2
  exit 1
}

source scripts/virtual-display.sh
work=$(mktemp -d)
game_pid=
cleanup() {
  [[ -z $game_pid ]] || kill -9 "$game_pid" 2>/dev/null || true
  stop_virtual_display
  rm -rf "$work"
}
trap cleanup EXIT

echo "Checking $deb ($(du -k "$deb" | cut -f1) KiB)"
dpkg -x "$deb" "$work/unpacked"
tree=$work/unpacked/usr

desktop-file-validate "$tree"/share/applications/*.desktop || fail "desktop-file-validate"
echo "desktop-file-validate: no finding"
appstreamcli validate --no-net --strict "$tree"/share/metainfo/*.metainfo.xml >"$work/appstream" 2>&1 ||
  { cat "$work/appstream"; fail "appstreamcli validate"; }
echo "appstreamcli validate: no error, warning or note"

# --fail-on error: warnings and notes are listed here, and in the README with their reasons.
lintian_status=0
lintian --fail-on error --display-level '>=pedantic' "$deb" >"$work/lintian" 2>&1 || lintian_status=$?
grep -v 'root privileges' "$work/lintian" || true
((lintian_status == 0)) || fail "lintian reports an error"
echo "lintian: no error"

for page in pellix pellix-puzzle; do
  text=$(MANWIDTH=80 man --warnings -l "$tree/share/man/man6/$page.6.gz" 2>"$work/man-warnings")
  [[ ! -s $work/man-warnings ]] || { cat "$work/man-warnings"; fail "man warns about $page(6)"; }
  [[ $text == *NAME*"$page"*SYNOPSIS* ]] || fail "$page(6) does not render"
  echo "man -l $page.6.gz: $(wc -l <<<"$text") lines, no warning"
done

[[ $("$tree/games/pellix-puzzle" --version) == "pellix-puzzle $(dpkg-deb -f "$deb" Version)" ]] ||
  fail "pellix-puzzle --version does not print the package's version"

ensure_native_menu
start_virtual_display
# The game from the unpacked tree, started in a folder without Resources and with a fresh
# configuration folder: its art can come only from ../share/pellix/Resources.
mkdir -p "$work/start" "$work/config"
(cd "$work/start" && XDG_CONFIG_HOME=$work/config SDL_AUDIODRIVER=dummy exec timeout -s KILL 120 \
  "$tree/games/pellix") &
game_pid=$!
wid=$(find_game_window)
[[ -n $wid ]] || fail "the window \"Pellix\" did not appear"
shot=$root/build-package/menu-unpacked.png
wait_for_menu "$wid" "$shot" || fail "the menu of the unpacked game does not match $native_menu"
echo "The unpacked game shows the menu: $(differing_pixels "$shot" "$native_menu") of 480000 pixels differ"
click_exit "$wid" "$tree/share/pellix/Resources/exit_menu_button.png"
wait "$game_pid" && status=0 || status=$?
game_pid=
((status == 0)) || fail "the game ended with status $status after Exit"
record=$work/config/Brimworks/Settings/Pellix
[[ $(stat -c %s "$record" 2>/dev/null) == 1936 ]] || fail "no 1936-byte record in \$XDG_CONFIG_HOME"
echo "Exit ended the game with status 0 and saved the record"

# Only a package of the commit itself can be compared with one of its clone.
if git diff --quiet HEAD && [[ -z $(git status --porcelain --untracked-files=no) ]]; then
  git clone -q --no-hardlinks "$root" "$work/clone"
  JOBS=${JOBS:-2} CMAKE_ARGS=${CMAKE_ARGS:-} bash "$work/clone/scripts/package.sh" >/dev/null
  other=$(ls "$work"/clone/build-package/pellix_*.deb)
  cmp "$deb" "$other" || fail "the package built in $work/clone differs from $deb"
  echo "A clone packaged in another folder gives the same bytes: $(sha256sum <"$deb" | cut -c1-16)"
else
  echo "test-package: NOT COMPARED with a clone's package: the tree has changes not committed" >&2
fi
echo "test-package: passed"
