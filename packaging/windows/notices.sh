#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the notices that the Windows package's parts require into a staged
# package folder, as notices.txt lists them, with Windows line endings so
# Notepad shows them properly; and the note of how the Qt DLLs were built.
set -euo pipefail
stage=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
: "${TORVAK_QT_WINDOWS:?set TORVAK_QT_WINDOWS to the Qt for Windows prefix}"

crlf() { mkdir -p "$(dirname "$2")" && sed 's/\r*$/\r/' "$1" >"$2"; }
while IFS=$'\t' read -r target from _; do
  case $target in '#'* | '') continue ;; esac
  case $from in /*) ;; *) from=$root/$from ;; esac
  [ -f "$from" ] || { echo "notices: $from is missing" >&2; exit 1; }
  crlf "$from" "$stage/$target"
done <"$here/notices.txt"
crlf "$TORVAK_QT_WINDOWS/BUILT-FROM.txt" "$stage/licenses/Qt-build-configuration.txt"
