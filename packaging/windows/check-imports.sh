#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves a staged Windows package complete: every DLL that an executable or
# DLL in it imports is either in the package (beside the program, or beside
# the importing file) or one that every 64-bit Windows has, so a missing
# runtime DLL fails the build instead of a player's first start.
# Usage: check-imports.sh STAGE_DIR
set -euo pipefail
stage=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

# What the program, Qt's Core, Gui, Widgets and windows platform plugin and
# the mingw-w64 runtime import from Windows itself: DLLs in System32 of every
# Windows Qt 6 runs on (10 and later), never shipped by a program. msvcrt is
# Windows' own C runtime, which Debian's mingw-w64 builds against; the
# api-ms-win-core ones are API sets the loader itself resolves (Qt's wait
# conditions, and the platform plugin's look-up of the desktop's settings).
system_dlls=(
  advapi32.dll api-ms-win-core-synch-l1-2-0.dll api-ms-win-core-winrt-l1-1-0.dll
  api-ms-win-core-winrt-string-l1-1-0.dll authz.dll comdlg32.dll d3d11.dll d3d9.dll dwmapi.dll
  dwrite.dll dxgi.dll gdi32.dll imm32.dll kernel32.dll mpr.dll msvcrt.dll netapi32.dll ole32.dll
  oleaut32.dll shcore.dll shell32.dll shlwapi.dll user32.dll userenv.dll uxtheme.dll version.dll
  winmm.dll ws2_32.dll wtsapi32.dll
)

lower() { tr '[:upper:]' '[:lower:]'; }
declare -A system=()
for dll in "${system_dlls[@]}"; do system[$dll]=1; done
top_dlls=$(find "$stage" -maxdepth 1 -iname '*.dll' -printf '%f\n' | lower)

checked=0 missing=0
while IFS= read -r -d '' file; do
  here_dlls=$(find "$(dirname "$file")" -maxdepth 1 -iname '*.dll' -printf '%f\n' | lower)
  imports=$("$objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r' | lower)
  [ -n "$imports" ] || { echo "check-imports: ${file#"$stage"/} has no import table" >&2; exit 1; }
  while IFS= read -r dll; do
    [ -n "${system[$dll]:-}" ] && continue
    grep -qxF "$dll" <<<"$top_dlls" && continue
    grep -qxF "$dll" <<<"$here_dlls" && continue
    echo "check-imports: ${file#"$stage"/} needs $dll, which the package lacks" >&2
    missing=$((missing + 1))
  done <<<"$imports"
  checked=$((checked + 1))
done < <(find "$stage" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)

[ "$checked" -gt 0 ] || { echo "check-imports: no executable in $stage" >&2; exit 1; }
[ "$missing" -eq 0 ] || exit 1
echo "check-imports: the $checked executables and DLLs import only DLLs the package or Windows has"
