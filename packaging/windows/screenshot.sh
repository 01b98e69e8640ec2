#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Unpacks the Windows zip into an empty folder, starts the program there under
# Wine with Qt's Windows platform on a private Xvfb display, as a user's
# double-click would (nothing from the build on its DLL path), and saves the
# main menu as a PNG. Fails when the menu does not appear.
set -euo pipefail
zip=$(realpath "$1")
out=$(realpath -m "$2")
: "${TORVAK_WINEPREFIX:?set TORVAK_WINEPREFIX to a Wine prefix}"
scratch=$(mktemp -d)
xvfb_pid='' wine_pid=''
cleanup() {
  [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null || true
  WINEPREFIX=$TORVAK_WINEPREFIX wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

(cd "$scratch" && unzip -q "$zip")
folder=$(find "$scratch" -mindepth 1 -maxdepth 1 -type d | head -n1)

display=''
for n in $(seq 90 120); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "screenshot: no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

# Wine on its own: only what the zip holds is on the program's DLL path.
env -u WINEPATH -u WINEQT_QPA_PLATFORM -u QT_QPA_PLATFORM DISPLAY="$display" \
  WINEPREFIX="$TORVAK_WINEPREFIX" WINEDEBUG=-all \
  wine "$folder/torvak-utilities.exe" >"$scratch/wine.log" 2>&1 &
wine_pid=$!

window=''
for _ in $(seq 120); do
  window=$(xwininfo -display "$display" -root -tree 2>/dev/null |
    awk '/"Torvak Utilities"/ { print $1; exit }')
  [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "screenshot: the main menu did not appear under Wine" >&2
  cat "$scratch/wine.log" >&2
  exit 1
fi
sleep 3  # let the first paint finish
mkdir -p "$(dirname "$out")"
import -display "$display" -window "$window" "$out"
echo "screenshot: $out"
