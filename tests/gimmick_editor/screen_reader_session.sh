#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader's session over the Gimmick Table Editor through AT-SPI, the
# way Orca reaches a program on a Linux desktop: a D-Bus session and an
# accessibility bus of their own (at-spi2-core), the editor on a private X
# display with Qt's accessibility bridge on, and a client in Debian's own
# python with its AT-SPI bindings (python3-gi, gir1.2-atspi-2.0), which the set-up
# installs. Usage: screen_reader_session.sh EDITOR PROGRAM TABLE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
editor=$1 program=$2 table=$3

work=$(mktemp -d)
trap 'stop_private_xvfb; rm -rf "$work"' EXIT
# shellcheck source=../../scripts/private-xvfb.sh
. "$here/../../scripts/private-xvfb.sh"
start_private_xvfb "$work"

# Nothing of the session lands in the user's folders: the accessibility bus's
# socket, the programs' own tables.
mkdir -m 700 "$work/runtime"
cp "$table" "$work/table.dat"
export DISPLAY=$XVFB_DISPLAY XAUTHORITY=$XVFB_AUTH XDG_RUNTIME_DIR=$work/runtime
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS

timeout 240 dbus-run-session -- /usr/bin/python3 -B "$here/screen_reader_session.py" \
  "$editor" "$program" "$work/table.dat"
