#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds an optimised program and runs the benchmark (on a quiet machine):
# once on this session's display, or on the offscreen platform when there is
# none, and once more under X11 on a private Xvfb display of its own when
# Xvfb is installed. Each run prints the platform it measured. (The test
# suite runs its quick check, `torvak-bench --check`, which times nothing.)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench
bench=build/bench/torvak-bench

status=0

echo
if [ -n "${QT_QPA_PLATFORM:-}${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "== On this session's display"
  "$bench" || status=$?
else
  echo "== No display: on the offscreen platform"
  QT_QPA_PLATFORM=offscreen "$bench" || status=$?
fi

if ! command -v Xvfb >/dev/null; then
  echo
  echo "Xvfb is not installed (Debian package xvfb): no figures under X11."
  exit "$status"
fi

# A private X server, stopped however this script ends.
source scripts/private-xvfb.sh
work=$(mktemp -d)
trap 'stop_private_xvfb; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
start_private_xvfb "$work"

echo
echo "== Under X11, on a private Xvfb display ($XVFB_DISPLAY)"
env -u WAYLAND_DISPLAY DISPLAY="$XVFB_DISPLAY" XAUTHORITY="$XVFB_AUTH" QT_QPA_PLATFORM=xcb \
  "$bench" || status=$?
exit "$status"
