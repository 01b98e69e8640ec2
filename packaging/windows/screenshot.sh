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
source "$(dirname "$0")/../../scripts/private-xvfb.sh"
scratch=$(mktemp -d)
wine_pid=''
cleanup() {
  [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null || true
  WINEPREFIX=$TORVAK_WINEPREFIX wineserver -k 2>/dev/null || true
  stop_private_xvfb
  rm -rf "$scratch"
}
trap cleanup EXIT

(cd "$scratch" && unzip -q "$zip")
folder=$(find "$scratch" -mindepth 1 -maxdepth 1 -type d | head -n1)

start_private_xvfb "$scratch"
display=$XVFB_DISPLAY
export XAUTHORITY=$XVFB_AUTH

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
