#!/usr/bin/env bash
# The MSI on a fresh Wine prefix, as a user without administrator rights
# would use it: it installs quietly, puts the program and a Start-menu
# shortcut with its icon in place and an entry in Apps & features; the
# installed program opens its window and keeps its settings when closed;
# uninstalling removes the files, the shortcut and the entry but keeps the
# settings, unless REMOVESETTINGS=1 asks for them to go. Also checks the
# portable zip. Run under an X display (xvfb-run).
#
# windows_installer_test.sh MSI ZIP BUILT_EXE ICON VERSION PREFIX
set -euo pipefail
msi=$1 zip=$2 built_exe=$3 icon=$4 version=$5
export WINEPREFIX=$6
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

step() { echo "-- $*"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

step "the portable zip holds the one .exe"
listing=$(cmake -E tar tf "$zip")
[ "$listing" = "tellux-time.exe" ] || fail "zip holds: $listing"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip")
cmp -s "$unpacked/tellux-time.exe" "$built_exe" || fail "zipped .exe differs from the build"

step "the MSI asks for no elevation and installs for the current user only"
word_count=$(msiinfo suminfo "$msi" | sed -n 's/^Source: \([0-9]*\).*/\1/p')  # msiinfo's label for it
[ -n "$word_count" ] && (( word_count & 8 )) || fail "word count $word_count: needs elevation"
if msiinfo export "$msi" Property | grep -q '^ALLUSERS'; then fail "ALLUSERS set: a machine install"; fi

rm -rf "$WINEPREFIX"
win_path() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r')"; }
msi_win=$(winepath -w "$msi")

step "installs quietly, without administrator rights"
wine msiexec /i "$msi_win" /qn || fail "msiexec /i returned $?"
install_dir="$(win_path '%LOCALAPPDATA%')/Programs/Tellux Time"
exe="$install_dir/tellux-time.exe"
shortcut="$(win_path '%APPDATA%')/Microsoft/Windows/Start Menu/Programs/Tellux Time.lnk"
cmp -s "$exe" "$built_exe" || fail "no installed copy of the .exe at $exe"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"

step "the shortcut starts the installed program and shows the clock icon"
link_texts=$(strings -a "$shortcut"; strings -a -el "$shortcut")
grep -qF 'Programs\Tellux Time\tellux-time.exe' <<<"$link_texts" || fail "shortcut target: $link_texts"
icon_win=$(grep -o 'C:\\.*\.ico' <<<"$link_texts" | head -1)
[ -n "$icon_win" ] || fail "the shortcut names no icon"
cmp -s "$(winepath -u "$icon_win")" "$icon" || fail "shortcut icon $icon_win is not the clock"

step "Apps & features lists it with its version and publisher"
product=$(wine uninstaller --list | tr -d '\r' | grep '|||Tellux Time$' | cut -d'|' -f1)
[ -n "$product" ] || fail "not in the list of installed programs"
entry=$(wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product" | tr -d '\r')
grep -qE "DisplayVersion +REG_SZ +$version" <<<"$entry" || fail "entry: $entry"
grep -qE 'Publisher +REG_SZ +Tellux' <<<"$entry" || fail "entry: $entry"

step "the installed program opens its window, and closing it stores the settings"
wine "$exe" &
program=$!
window=""
for _ in $(seq 60); do
  window=$(xwininfo -root -tree | grep '("tellux-time.exe" "tellux-time.exe")' | awk '{print $1}' | head -1 || true)
  if [ -n "$window" ] && xwininfo -id "$window" | grep -q 'Map State: IsViewable'; then break; fi
  window=""
  sleep 0.5
done
[ -n "$window" ] || { kill "$program" 2>/dev/null; fail "no window shown within 30 s"; }
wine taskkill /im tellux-time.exe >/dev/null  # a close request, as the user's
for _ in $(seq 20); do kill -0 "$program" 2>/dev/null || break; sleep 0.5; done
kill -0 "$program" 2>/dev/null && { kill "$program"; fail "the program did not close"; }
wine reg query 'HKCU\Software\TelluxTime\Settings' /v Selection >/dev/null || fail "no settings stored"

step "uninstalling removes the program, its shortcut and its entry, and keeps the settings"
wine msiexec /x "$msi_win" /qn || fail "msiexec /x returned $?"
[ ! -e "$exe" ] || fail "the .exe is still there"
[ ! -e "$install_dir" ] || fail "the program's folder is still there"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
if wine uninstaller --list | grep -q 'Tellux Time'; then fail "still listed as installed"; fi
if wine reg query 'HKCU\Software\TelluxTime\Installer' >/dev/null 2>&1; then
  fail "the installer's own registry key is left behind"
fi
wine reg query 'HKCU\Software\TelluxTime\Settings' /v Selection >/dev/null || fail "settings lost"

step "uninstalling with REMOVESETTINGS=1 removes the settings too"
wine msiexec /i "$msi_win" /qn || fail "reinstall returned $?"
wine msiexec /x "$msi_win" /qn REMOVESETTINGS=1 || fail "msiexec /x returned $?"
[ ! -e "$exe" ] || fail "the .exe is still there"
if wine reg query 'HKCU\Software\TelluxTime\Settings' >/dev/null 2>&1; then
  fail "settings kept although asked to remove them"
fi
wineserver -k || true
step "passed"
