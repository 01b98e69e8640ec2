#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the notices that the Windows package's parts require into a staged
# package folder: our licence, the list of third-party parts, and each part's
# licence text, taken from the Debian packages the parts come from.
set -euo pipefail
stage=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
: "${TORVAK_QT_WINDOWS:?set TORVAK_QT_WINDOWS to the Qt for Windows prefix}"

crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }  # Notepad-friendly line endings
mkdir -p "$stage/licences"
crlf "$root/LICENSE" "$stage/LICENSE.txt"
crlf "$here/THIRD-PARTY.txt" "$stage/THIRD-PARTY.txt"
crlf "$here/README.txt" "$stage/README.txt"
crlf "$TORVAK_QT_WINDOWS/LGPL-3.0-only.txt" "$stage/licences/Qt-LGPL-3.0.txt"
crlf "$TORVAK_QT_WINDOWS/BUILT-FROM.txt" "$stage/licences/Qt-BUILT-FROM.txt"
crlf /usr/share/common-licenses/GPL-3 "$stage/licences/GPL-3.0.txt"
crlf /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$stage/licences/GCC-runtime-libraries.txt"
crlf /usr/share/doc/mingw-w64-x86-64-dev/copyright "$stage/licences/mingw-w64-winpthreads.txt"
crlf /usr/share/doc/fonts-bebas-neue/copyright "$stage/licences/BebasNeue-OFL-1.1.txt"
crlf /usr/share/doc/fonts-cherrybomb/copyright "$stage/licences/CherryBomb-OFL-1.1.txt"
crlf /usr/share/doc/fonts-league-spartan/copyright "$stage/licences/LeagueSpartan-OFL-1.1.txt"
