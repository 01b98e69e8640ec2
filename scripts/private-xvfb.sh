# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that need an X server of their own (the benchmark,
# the Windows screenshot). `start_private_xvfb DIR` starts Xvfb on the first
# free display number, which Xvfb picks and writes to descriptor 3 once it
# accepts clients; no TCP; a cookie of its own where xauth is installed, kept
# in DIR. It sets XVFB_DISPLAY (":N"), XVFB_AUTH and XVFB_PID.
# `stop_private_xvfb` stops it.
start_private_xvfb() {
  local work=$1 cookie='' number='' auth=()
  XVFB_AUTH=$work/xauthority
  : >"$XVFB_AUTH"
  if command -v xauth >/dev/null; then
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    # The server takes every cookie in its file, whatever display it names.
    xauth -q -f "$XVFB_AUTH" add :0 . "$cookie"
    auth=(-auth "$XVFB_AUTH")
  fi
  Xvfb -displayfd 3 -nolisten tcp "${auth[@]}" -screen 0 1280x1024x24 \
    3>"$work/xvfb-display" 2>"$work/xvfb.log" &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$work/xvfb-display" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  number=$(head -n 1 "$work/xvfb-display" 2>/dev/null || true)
  if [ -z "$number" ]; then
    echo "Xvfb did not start; its messages:" >&2
    cat "$work/xvfb.log" >&2
    return 1
  fi
  if [ -n "$cookie" ]; then
    xauth -q -f "$XVFB_AUTH" add ":$number" . "$cookie"
  fi
  XVFB_DISPLAY=:$number
}

stop_private_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=''
  fi
}
