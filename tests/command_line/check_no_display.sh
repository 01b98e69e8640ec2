#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The commands in a terminal with no display at all (over ssh, in a container,
# in a package build): --help and --version answer and exit 0, or exit 1 when
# the answer cannot be written, and the program started without options says
# in one line that it has no display and exits 1, never a core dump.
# Usage: check_no_display.sh PROGRAM GIMMICK_TOOL GIMMICK_EDITOR VERSION
set -uo pipefail
program=$1 tool=$2 editor=$3 version=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# expect NAME STATUS OUT_PATTERN ERR_LINES COMMAND...: runs the command with
# no display and no platform named, and checks its exit status, that its
# standard output matches OUT_PATTERN (an extended regular expression over
# the whole output, newlines as spaces) and how many lines it writes to
# standard error. With stdout=/dev/full before it, standard output is a full
# disk, where nothing can be written, and OUT_PATTERN sees nothing.
expect() {
  local name=$1 status=$2 pattern=$3 err_lines=$4
  shift 4
  : >"$scratch/out"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
    timeout 60 "$@" >"${stdout:-$scratch/out}" 2>"$scratch/err"
  local got=$? problem=
  local out lines
  out=$(tr '\n' ' ' <"$scratch/out")
  lines=$(wc -l <"$scratch/err")
  [ "$got" -eq "$status" ] || problem="exit status $got, not $status"
  [[ "$out" =~ $pattern ]] || problem="${problem:+$problem; }output '$out' does not match '$pattern'"
  [ "$lines" -eq "$err_lines" ] || problem="${problem:+$problem; }$lines lines on standard error, not $err_lines"
  if [ -n "$problem" ]; then
    echo "FAIL: $name: $problem" >&2
    sed 's/^/  stderr: /' "$scratch/err" >&2
    failures=$((failures + 1))
  else
    echo "PASS: $name"
  fi
}

usage='^Usage: .*torvak-utilities \[options\] \[FILE\] .*-h, --help .*-v, --version .*FILE +a tournament file to open'
expect "program --help" 0 "$usage" 0 "$program" --help
expect "program -h" 0 "$usage" 0 "$program" -h
expect "program --version" 0 "^torvak-utilities \(Torvak Utilities\) ${version//./\\.} $" 0 \
  "$program" --version
expect "program --help with Qt's own option" 0 "$usage" 0 "$program" --help -style Fusion
# expect_no_display NAME COMMAND: started with no options and no display,
# the command exits 1 with one line on standard error that names the display.
expect_no_display() {
  expect "$1 without options" 1 '^$' 1 "$2"
  if ! grep -q 'display' "$scratch/err"; then
    echo "FAIL: $1 without options: its line does not name the display" >&2
    failures=$((failures + 1))
  fi
}

expect_no_display program "$program"
expect "editor --help" 0 '^Usage: .*torvak-gimmick-editor .*--version ' 0 "$editor" --help
expect "editor --help-all" 0 '^Usage: torvak-gimmick-editor \[options\] \[FILE\] ' 0 "$editor" --help-all
expect "editor --version" 0 "^torvak-gimmick-editor \(Torvak Utilities\) ${version//./\\.} $" 0 \
  "$editor" --version
expect_no_display editor "$editor"
expect "gimmick tool --help" 0 '^Usage: .*torvak-gimmicks .*--version ' 0 "$tool" --help
expect "gimmick tool --help-all" 0 '^Usage: torvak-gimmicks \[options\] command ' 0 "$tool" --help-all
# The usage line names the command as it is typed, whatever folder it was
# started from (C:\Program Files on Windows has a space in it).
mkdir "$scratch/a folder"
cp "$tool" "$scratch/a folder/"
expect "gimmick tool --help from a folder with a space" 0 \
  '^Usage: torvak-gimmicks \[options\] command ' 0 "$scratch/a folder/$(basename "$tool")" --help
expect "gimmick tool --version" 0 "^torvak-gimmicks \(Torvak Utilities\) ${version//./\\.} $" 0 \
  "$tool" --version

# An answer that cannot be written is a failure, never a silent success.
for command in "program:$program" "editor:$editor" "gimmick tool:$tool"; do
  for option in --help --version; do
    stdout=/dev/full expect "${command%%:*} $option to a full disk" 1 '^$' 0 "${command#*:}" "$option"
  done
done

[ "$failures" -eq 0 ]
