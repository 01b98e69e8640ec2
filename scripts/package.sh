#!/usr/bin/env bash
# Builds an optimised program and its Debian package into build/package/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release
cmake --build --preset release
(cd build/release && cpack -G DEB -B ../package)
ls -1 build/package/*.deb
