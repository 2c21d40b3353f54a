#!/usr/bin/env bash
# Checks the Debian package as a user gets it: makes it (scripts/package.sh), unpacks it into a
# scratch root, checks that it holds exactly the files below and that their dependencies are
# installed, validates the menu entry and the manual pages, runs the installed quick-intro from
# PATH in a virtual display until its window shows, the installed gif-inspect on one of the
# program's own pictures and gif-convert on a frame gif-inspect wrote. Also checks that a plain `cmake --install` puts the same files (less
# the package's own) under a prefix.
#
# Usage: scripts/test-install.sh [FOLDER]
#   FOLDER is handed to scripts/package.sh (CI passes build/, which its tests have just built).
set -euo pipefail
cd "$(dirname "$0")/.."
package=$(scripts/package.sh "$@" | tail -n 1)
folder=${1:-build-release}

source scripts/lib/virtual-display.sh
fail() { echo "test-install: $*" >&2; exit 1; }

installed_files=(
  usr/bin/quick-intro
  usr/bin/gif-inspect
  usr/bin/gif-convert
  usr/share/applications/quick-intro.desktop
  usr/share/icons/hicolor/32x32/apps/quick-intro.png
  usr/share/man/man1/quick-intro.1.gz
  usr/share/man/man1/gif-inspect.1.gz
  usr/share/man/man1/gif-convert.1.gz
  usr/share/doc/quick-introduction/README.md
)
package_only_files=(
  usr/share/doc/quick-introduction/copyright
  usr/share/doc/quick-introduction/changelog.gz
)
plain_only_files=(share/doc/quick-introduction/LICENSE)

# The files under $1, one a line, sorted, against the list given after it.
expect_files() {
  local root=$1
  shift
  diff <(cd "$root" && find . -type f -printf '%P\n' | sort) <(printf '%s\n' "$@" | sort) ||
    fail "$root holds other files than expected ('<' found, '>' expected)"
}

root="$work/root"
dpkg-deb -x "$package" "$root"
expect_files "$root" "${installed_files[@]}" "${package_only_files[@]}"
dpkg-checkbuilddeps -d "$(dpkg-deb -f "$package" Depends)" /dev/null ||
  fail "the package's dependencies are not all installed here"

cmake --install "$folder" --prefix "$work/plain" >/dev/null
expect_files "$work/plain" "${installed_files[@]/#usr\//}" "${plain_only_files[@]}"

desktop-file-validate "$root/usr/share/applications/quick-intro.desktop"
file -b "$root/usr/share/icons/hicolor/32x32/apps/quick-intro.png" |
  grep -q '^PNG image data, 32 x 32, 8-bit/color RGBA' || fail "the icon is not a 32 x 32 PNG"
for program in "$root"/usr/bin/*; do
  page=$(basename "$program")
  MANPATH="$root/usr/share/man" MANWIDTH=80 man -P cat "$page" 2>/dev/null |
    grep -Eq "^ +$page +- " || fail "man $page shows no manual page"
done

export PATH="$root/usr/bin:$PATH"
[ "$(command -v quick-intro)" = "$root/usr/bin/quick-intro" ] || fail "quick-intro is not on PATH"

gif-inspect --composed "$work/composed" resources/pictures/gifanimator.gif >"$work/report" ||
  fail "gif-inspect failed on resources/pictures/gifanimator.gif"
frames=$(sed -n 's/^frames: //p' "$work/report")
[ "$frames" -gt 1 ] && [ "$(find "$work/composed" -name 'composed-*.bmp' | wc -l)" -eq "$frames" ] ||
  fail "gif-inspect did not report and write every frame: $(cat "$work/report")"
gif-convert --depth 4 "$work/composed/composed-000.bmp" "$work/converted.bmp" ||
  fail "gif-convert failed on a frame gif-inspect wrote"
file -b "$work/converted.bmp" | grep -q ', 143 x 217 x 4,' ||
  fail "gif-convert did not write a 4-bit picture: $(file -b "$work/converted.bmp")"

start_virtual_display
XDG_CONFIG_HOME="$work/config" SDL_VIDEODRIVER=x11 quick-intro &
program_pid=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Intro 1/[0-9]+$' | head -n 1)
[ -n "$window" ] || fail "the window of the installed quick-intro did not appear"
sleep 0.3  # the first paint
screenshot="$folder/installed-window.png"
/usr/bin/import -window "$window" "$screenshot"
[ "$(/usr/bin/convert "$screenshot" -format %k info:)" -gt 16 ] ||
  fail "the window shows next to nothing"
# Escape is the Close button's; the window may be gone before the key's release is sent.
xdotool key --window "$window" Escape 2>/dev/null || true
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$program_pid" 2>/dev/null && fail "quick-intro did not end on Escape"
wait "$program_pid" || fail "quick-intro ended with a failure"
program_pid=""
echo "test-install: $(basename "$package") installs and runs (its window: $screenshot)"
