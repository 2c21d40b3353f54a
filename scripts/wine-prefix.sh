#!/usr/bin/env bash
# Makes a fresh Wine prefix in which the Windows program and its tests run:
#   scripts/wine-prefix.sh DIR [--version winxp]
# then WINEPREFIX=DIR wine PROGRAM.exe. The prefix has no window manager integration (windows
# close at once without one), Wine's own fonts, and the fonts the program names replaced by the
# installed ones the Linux build maps them to (Verdana and Trebuchet MS by DejaVu Sans and Arimo,
# Times New Roman by Tinos); --version makes Windows versions report that release (winxp: 5.1).
#
# The first call sets up a template under build-win32/wine/template (wineboot, ten seconds or
# more); each prefix is a copy of it (two seconds). Calls may run at once.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=$1
version=""
if [ "${2:-}" = "--version" ]; then version=$3; fi

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
template="$root/build-win32/wine/template"

make_template() {
  local staging="$template.new"
  rm -rf "$staging"
  mkdir -p "$(dirname "$template")"
  WINEPREFIX="$staging" wineboot -i >/dev/null 2>&1
  cp /usr/share/wine/fonts/* "$staging/drive_c/windows/Fonts/"
  cat >"$staging/drive_c/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Verdana"="DejaVu Sans"
"Trebuchet MS"="Arimo"
"Times New Roman"="Tinos"
REG
  WINEPREFIX="$staging" wine regedit /S 'C:\settings.reg' >/dev/null 2>&1
  rm "$staging/drive_c/settings.reg"
  WINEPREFIX="$staging" wineserver -w
  mv "$staging" "$template"
}

(
  flock 9
  [ -d "$template" ] || make_template
) 9>"$(mkdir -p "$root/build-win32/wine" && echo "$root/build-win32/wine/template.lock")"

rm -rf "$prefix"
cp -a "$template" "$prefix"
if [ -n "$version" ]; then
  WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1
  WINEPREFIX="$prefix" wineserver -w
fi
