#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows from Debian's own qt6-base source with
# mingw-w64, once, into a cache outside the work tree, and prints the prefix.
# The prefix is keyed by the Qt version and a hash of the configure options
# and the toolchain file, so a changed configuration builds afresh and an
# unchanged one is reused by later runs and by CI on the same machine. An
# interrupted build resumes where it stopped.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

toolchain="$here/packaging/windows/mingw-w64-x86_64.cmake"
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)

# Qt as the program needs it: Core, Gui, Widgets and Test, shared, with the
# windows, offscreen and minimal platforms and Qt's own copies of the image
# and text libraries. Left out: what the program never uses. Tablet support
# is off because Debian's source lacks the wintab headers it needs; Direct2D
# stays on (without it the windows plugin fails to link in 6.4); dynamic GL
# goes with OpenGL (the windows plugin does not compile with one and not the
# other).
options=(
  -DCMAKE_BUILD_TYPE=Release
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF -DFEATURE_network=OFF
  -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
)
key=$( { printf '%s\n' "${options[@]}"; cat "$toolchain"; } | sha256sum | cut -c1-12)
cache_root=${TORVAK_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/torvak-utilities}
prefix="$cache_root/qt-${qt_version%%[-+]*}-mingw64-$key"

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work="$cache_root/work-qt-${qt_version%%[-+]*}"
mkdir -p "$work"
work=$(realpath "$work")  # Qt refuses to build in a path with links

# Debian's source through a private apt configuration: a deb-src line for the
# archive and suite of the machine's own deb entry, its own lists, and the
# system's sources left untouched.
apt_dir="$work/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
uri='' suite='' keyring=''
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
  uri=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources | head -n1)
  suite=$(sed -n 's/^Suites: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources | head -n1)
  keyring=$(sed -n 's/^Signed-By: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources | head -n1)
fi
if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
  read -r uri suite < <(awk '$1 == "deb" && $0 !~ /security/ { for (i = 2; i <= NF; i++) if ($i !~ /^\[/) { print $i, $(i + 1); exit } }' /etc/apt/sources.list)
fi
[ -n "$uri" ] || { echo "windows-qt: no Debian deb entry found in /etc/apt" >&2; exit 1; }
signed=${keyring:+ [signed-by=$keyring]}
echo "deb-src$signed $uri $suite main" >"$apt_dir/sources.list"
apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=/nonexistent"
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o "APT::Sandbox::User=root")
src=$(find -H "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
if [ -z "$src" ]; then
  echo "windows-qt: fetching qt6-base $qt_version source from $uri $suite" >&2
  apt-get "${apt_opts[@]}" update -q >&2
  (cd "$work" && apt-get "${apt_opts[@]}" source -q "qt6-base=$qt_version" >&2)
  src=$(find -H "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
fi

echo "windows-qt: configuring and building Qt (about half an hour on two cores)" >&2
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
  "${options[@]}" >"$work/configure.log" 2>&1 \
  || { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 \
  || { grep -m 20 -A 3 'error:' "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1

# What the DLLs were built from travels with them (the Windows zip's notices).
{
  echo "Qt $qt_version for x86_64-w64-mingw32, built from Debian's qt6-base source package"
  echo "($(basename "$src") with Debian's own patches, nothing else changed), configured with:"
  printf '  %s\n' "${options[@]}"
} >"$prefix/BUILT-FROM.txt"
cp "$src/LICENSES/LGPL-3.0-only.txt" "$prefix/LGPL-3.0-only.txt" 2>/dev/null \
  || cp "$src/LICENSE.LGPL3" "$prefix/LGPL-3.0-only.txt"
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
