#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing Torvak Utilities needs on
# Debian 12, from Debian's own packages. Installing needs root: run as root
# (or with sudo); as another user it prints the exact command to run.
# `setup.sh windows` installs what the Windows build (scripts/windows.sh) needs.
# Qt's GTK theme and Adwaita-dark are for the dark-desktop screenshots; the
# D-Bus session, the accessibility bus, Debian's python with its AT-SPI
# bindings and xdotool are for the screen reader's session over the editor.
set -euo pipefail

if [ "${1:-}" = windows ]; then
  packages=(
    cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    mingw-w64-x86-64-dev
    wine wine64 fonts-wine xvfb xauth x11-utils imagemagick zip unzip
    fonts-bebas-neue fonts-cherrybomb fonts-league-spartan fonts-liberation2
  )
else
  packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev
    libgl-dev
    e2fsprogs
    clang-14 libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev fontconfig lintian help2man shared-mime-info
    fonts-bebas-neue fonts-cherrybomb fonts-league-spartan fonts-liberation2
    xvfb xauth
    qt6-gtk-platformtheme gnome-themes-extra
    dbus at-spi2-core python3-gi gir1.2-atspi-2.0 xdotool
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Torvak Utilities needs these Debian packages, and installing them needs root." >&2
  echo "Run this line, then run this command again:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
