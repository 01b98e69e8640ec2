#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every window, as it opens and after a typical use, into
# docs/screenshots/ (the pictures the README and the user guide show), and
# two of them on a dark desktop: Qt's GTK theme with Adwaita-dark, on a
# private X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset debug
cmake --build --preset debug --target torvak-screenshots
QT_QPA_PLATFORM=offscreen build/debug/tests/torvak-screenshots docs/screenshots

source scripts/private-xvfb.sh
work=$(mktemp -d)
trap 'stop_private_xvfb; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
start_private_xvfb "$work"
env -u WAYLAND_DISPLAY DISPLAY="$XVFB_DISPLAY" XAUTHORITY="$XVFB_AUTH" QT_QPA_PLATFORM=xcb \
  QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark \
  build/debug/tests/torvak-screenshots "$work/dark" >/dev/null
cp "$work/dark/MainMenu-in-use.png" docs/screenshots/dark-desktop-MainMenu.png
cp "$work/dark/HexRGB-in-use.png" docs/screenshots/dark-desktop-HexRGB.png
