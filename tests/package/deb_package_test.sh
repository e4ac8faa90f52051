#!/usr/bin/env bash
# The Debian package as a user gets it: CPack builds it from this build tree,
# lintian finds no errors in it, its files unpacked with dpkg-deb are the
# program, the menu entry, the icons and the AppStream metadata, the entry
# and the metadata pass their validators, and the unpacked program starts
# and paints its window (offscreen), and on X11 its window carries the class
# the entry names.
#
#   deb_package_test.sh CPACK BUILD_DIR APP_ID VERSION
set -euo pipefail

cpack=$1 build=$2 id=$3 version=$4
work=$(mktemp -d)
app=""
cleanup() {
  if [[ -n $app ]]; then kill "$app" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Polls until "$@" succeeds, 30 s at most.
wait_for() {
  for _ in $(seq 300); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

echo "== package"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; exit 1; }
deb=$work/out/tellux-time_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { ls -l "$work/out" >&2; fail "no package named $(basename "$deb")"; exit 1; }
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

[[ $(dpkg-deb -f "$deb" Package) == tellux-time ]] || fail "package name"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
# dpkg-shlibdeps found the libraries the program links; tzdata is named.
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libicu libstdc++6 libc6 tzdata; do
  [[ $depends == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
done

echo "== lintian"
# Errors fail; warnings and notes are shown.
if ! lintian --fail-on error --display-info "$deb" >"$work/lintian.log" 2>&1; then
  fail "lintian reports errors"
fi
grep -v 'running with root privileges' "$work/lintian.log" || true

echo "== files"
root=$work/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/tellux-time
entry=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
[[ -x $program ]] || fail "no program usr/bin/tellux-time"
[[ -f $entry ]] || fail "no desktop entry $id.desktop"
[[ -f $metainfo ]] || fail "no metadata $id.metainfo.xml"
[[ -f $root/usr/share/doc/tellux-time/copyright ]] || fail "no copyright file"
[[ -f $root/usr/share/icons/hicolor/scalable/apps/$id.svg ]] || fail "no scalable icon"
for size in 16 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  if [[ ! -f $png ]]; then
    fail "no ${size}px icon"
  elif ! file "$png" | grep -q "PNG image data, $size x $size,"; then
    fail "icon in ${size}x${size} is $(file -b "$png")"
  fi
done

echo "== desktop entry and metadata"
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
# The entry starts the installed program and shows the installed icon.
[[ $(sed -n 's/^Exec=//p' "$entry") == tellux-time ]] || fail "entry's Exec"
[[ $(sed -n 's/^Icon=//p' "$entry") == "$id" ]] || fail "entry's Icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "metadata does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metadata's release is not $version"
grep -q "<image>https://" "$metainfo" || fail "metadata has no screenshot"

# A fresh settings folder, so nothing of the user's is read or written.
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/config" "$work/runtime"

echo "== the unpacked program shows its window, of the entry's StartupWMClass"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
# On an X server of its own, whatever platform the caller chose for the
# tests: the window must be mapped (viewable) with the class the entry names,
# and the program still running.
# shellcheck disable=SC2016
shown=$(env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  "$1" >"$2" 2>&1 &
  app=$!
  for _ in $(seq 300); do
    found=$(xwininfo -root -tree | grep -m1 "(\"tellux-time\"" || true)
    id=$(awk "{ print \$1 }" <<<"$found")
    if [[ -n $id ]] && xwininfo -id "$id" | grep -q "Map State: IsViewable"; then
      break
    fi
    found=""
    sleep 0.1
  done
  kill -0 $app 2>/dev/null || found="ended: $found"
  kill $app; wait $app 2>/dev/null
  echo "$found"' _ "$program" "$work/start.log")
if [[ $shown != *"(\"$wm_class\" "* || $shown == ended:* ]]; then
  fail "no viewable window of class instance \"$wm_class\" within 30 s (found: ${shown:-none})"
  cat "$work/start.log" >&2
fi

if ((failures > 0)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package checks passed"
