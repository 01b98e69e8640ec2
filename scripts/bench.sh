#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds an optimised program and runs the benchmark (on a quiet machine):
# once on this session's display, or on the offscreen platform when there is
# none, and once more under X11 on a private Xvfb display of its own when
# Xvfb is installed. Each run prints the platform it measured.
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

# A private X server: the first free display number, which Xvfb picks and
# writes to descriptor 3 once it accepts clients; no TCP; a cookie of its
# own where xauth is installed. Stopped however this script ends.
work=$(mktemp -d)
xvfb=
stop_xvfb() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap stop_xvfb EXIT
trap 'exit 130' INT TERM

auth=()
cookie=
if command -v xauth >/dev/null; then
  cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
  # The server takes every cookie in its file, whatever display it names.
  : >"$work/auth"
  xauth -q -f "$work/auth" add :0 . "$cookie"
  auth=(-auth "$work/auth")
fi
Xvfb -displayfd 3 -nolisten tcp "${auth[@]}" -screen 0 1280x1024x24 \
  3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
number=$(head -n 1 "$work/display" 2>/dev/null || true)
if [ -z "$number" ]; then
  echo "Xvfb did not start; its messages:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
if [ -n "$cookie" ]; then
  xauth -q -f "$work/auth" add ":$number" . "$cookie"
fi

echo
echo "== Under X11, on a private Xvfb display (:$number)"
env -u WAYLAND_DISPLAY DISPLAY=":$number" XAUTHORITY="$work/auth" QT_QPA_PLATFORM=xcb \
  "$bench" || status=$?
exit "$status"
