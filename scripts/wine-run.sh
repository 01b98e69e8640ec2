#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program of the build under Wine: CMake's emulator for the
# Windows build, so the build's own tools and every test run through it.
# The Wine prefix is the build's own; Qt's variables reach the program under
# Wine's WINE prefix (Wine does not hand QT_* on), and Qt's DLLs and the
# mingw-w64 runtime are found through WINEPATH.
set -euo pipefail
: "${TORVAK_WINEPREFIX:?set TORVAK_WINEPREFIX to the Wine prefix of the build}"
: "${TORVAK_QT_WINDOWS:?set TORVAK_QT_WINDOWS to the Qt for Windows prefix}"
export WINEPREFIX=$TORVAK_WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# With no console, Qt writes its messages (and Qt Test its results) to the
# debugger channel; send them to standard error instead.
export WINEQT_FORCE_STDERR_LOGGING=1
while IFS='=' read -r name value; do
  export "WINE$name=$value"
done < <(env | grep -E '^QT_[A-Z_]*=' || true)
# Wine maps the whole Unix file system to drive Z:.
windows_path() { echo "Z:$(realpath "$1" | tr / '\\')"; }
mingw_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="$(windows_path "$TORVAK_QT_WINDOWS/bin");$(windows_path "$mingw_runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"
exec wine "$@"
