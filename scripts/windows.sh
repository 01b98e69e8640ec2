#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows package, made and proven on Debian: Qt for Windows built once
# from Debian's own source (scripts/windows-qt.sh), the program, its gimmick
# tool and the whole test suite cross-compiled with mingw-w64, the suite run
# under Wine, then build/windows/torvak-utilities-<version>-windows-x64.zip (its
# imports checked, its checksum in SHA256SUMS beside it) and a screenshot of
# the zipped program started under Wine on a private X display.
# Copies as text and as picture are checked on the Windows clipboard, read
# back through the Win32 API under Wine on a private X display.
# Ends with one line: "windows: N passed, M failed".
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD

bash scripts/setup.sh windows

TORVAK_QT_WINDOWS=$(bash scripts/windows-qt.sh)
export TORVAK_QT_WINDOWS
build=$source/build/windows
export TORVAK_WINEPREFIX=$build/wine-prefix
export WINEDEBUG=-all

# A Wine prefix of the build's own. A fresh prefix lacks two faces every
# Windows has: Tahoma, which Qt's Windows platform takes for dialogs
# (fonts-wine has it), and Arial, which the windows name for their text
# (Liberation Sans, with Arial's metrics, stands in for it as on Linux). The
# offscreen platform the tests run on reads its faces from that folder too
# (QT_QPA_FONTDIR in the windows test preset).
if [ ! -f "$TORVAK_WINEPREFIX/system.reg" ]; then
  echo "== Preparing a Wine prefix"
  mkdir -p "$TORVAK_WINEPREFIX"
  WINEPREFIX=$TORVAK_WINEPREFIX WINEDLLOVERRIDES='mscoree,mshtml=' wineboot -i >/dev/null 2>&1
  WINEPREFIX=$TORVAK_WINEPREFIX wineserver -w
fi
cp /usr/share/wine/fonts/tahoma*.ttf /usr/share/fonts/truetype/liberation2/LiberationSans-*.ttf \
  "$TORVAK_WINEPREFIX/drive_c/windows/Fonts/"

echo "== Building for Windows"
cmake --preset windows >/dev/null
cmake --build --preset windows

# count LOG: adds the passed and failed tests of a CTest log to the totals.
passed=0
failed=0
count() {
  local summary total failures
  summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n1)
  failures=$(sed -E 's/.* ([0-9]+) tests failed out of.*/\1/' <<<"$summary")
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
  [ -n "$total" ] || { echo "windows: $passed passed, $((failed + 1)) failed"; exit 1; }
  passed=$((passed + total - failures))
  failed=$((failed + failures))
}

echo "== Running the suite under Wine"
log=$build/ctest.log
set +e
ctest --preset windows -LE windows-platform 2>&1 | tee "$log"
set -e
count "$log"

# The tests that need Qt's Windows platform: the clipboard as another Windows
# program reads it after a copy as text and as picture. Wine draws their
# windows on a private Xvfb display, in a Wine session started afresh there.
echo "== The Windows clipboard under Wine, with Qt's Windows platform"
source scripts/private-xvfb.sh
display_work=$(mktemp -d)
stop_display() {
  WINEPREFIX=$TORVAK_WINEPREFIX wineserver -k 2>/dev/null || true
  stop_private_xvfb
  rm -rf "$display_work"
}
trap stop_display EXIT
WINEPREFIX=$TORVAK_WINEPREFIX wineserver -k 2>/dev/null || true
start_private_xvfb "$display_work"
log=$build/ctest-windows-platform.log
set +e
DISPLAY=$XVFB_DISPLAY XAUTHORITY=$XVFB_AUTH ctest --preset windows -L windows-platform 2>&1 |
  tee "$log"
set -e
stop_display
trap - EXIT
count "$log"

# A tournament file handed to the program on its command line, as Explorer
# hands it a file dropped on torvak-utilities.exe: its path reaches the
# program whole, blanks and letters beyond ASCII included, and a file that is
# no tournament is refused with a word on standard error (the suite under
# Wine proves a good one opens, is saved and taken back). The program then
# waits on its menu, so it is stopped.
echo "== A tournament file handed to the program under Wine"
handed=$(mktemp -d)
printf 'Ace\nBlaze\n' >"$handed/Week 3 – Ré.tournament"
set +e
QT_QPA_PLATFORM=offscreen timeout 60 bash scripts/wine-run.sh "$build/torvak-utilities.exe" \
  "Z:$(tr / '\\' <<<"$handed/Week 3 – Ré.tournament")" 2>"$handed/err" &
program=$!
for _ in $(seq 60); do
  grep -q 'not a tournament file' "$handed/err" && break
  sleep 1
done
kill "$program" 2>/dev/null
WINEPREFIX=$TORVAK_WINEPREFIX wineserver -k 2>/dev/null
wait "$program" 2>/dev/null
set -e
if grep -q 'Week 3 – Ré.tournament: it is not a tournament file' "$handed/err"; then
  echo "PASS: the handed file's path arrived whole and the file was refused"
  passed=$((passed + 1))
else
  echo "FAIL: the handed file's refusal did not name it:" >&2
  cat "$handed/err" >&2
  failed=$((failed + 1))
fi
rm -rf "$handed"

echo "== Packaging"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=torvak-utilities-$version-windows-x64
stage=$build/package/$name
rm -rf "$build/package"
mkdir -p "$stage/platforms" "$stage/fonts"
cp "$build/torvak-utilities.exe" "$build/torvak-gimmick-editor.exe" "$build/torvak-gimmicks.exe" \
  "$build/data.dat" "$stage/"
for dll in Qt6Core Qt6Gui Qt6Widgets; do cp "$TORVAK_QT_WINDOWS/bin/$dll.dll" "$stage/"; done
cp "$TORVAK_QT_WINDOWS/plugins/platforms/qwindows.dll" "$stage/platforms/"
mingw_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
cp "$mingw_runtime/libstdc++-6.dll" "$mingw_runtime/libgcc_s_seh-1.dll" \
  /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
cp "$build"/fonts/* "$stage/fonts/"
bash packaging/windows/notices.sh "$stage"
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
# A DLL the package lacks would fail a player's first start: fail here.
bash packaging/windows/check-imports.sh "$stage"
zip="$build/$name.zip"
rm -f "$zip"
(cd "$build/package" && zip -qr9 "$zip" "$name")
# The checksum a player compares with the downloaded zip's (README.txt says how).
(cd "$build" && sha256sum "$name.zip" >SHA256SUMS)
echo "$(basename "$zip"): $(du -h "$zip" | cut -f1), SHA256SUMS beside it"

echo "== The zipped program under Wine, with Qt's Windows platform"
bash packaging/windows/screenshot.sh "$zip" docs/screenshots/windows-MainMenu.png

echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
