#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds an optimised program and its Debian package into build/package/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset deb
cmake --build --preset deb
(cd build/deb && cpack -G DEB -B ../package)
ls -1 build/package/*.deb
