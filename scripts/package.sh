#!/usr/bin/env bash
# Builds an optimised program and its Debian package into build/package/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVAK_TESTS=OFF \
  -DTORVAK_DEBIAN_PACKAGE=ON
cmake --build build/deb
(cd build/deb && cpack -G DEB -B ../package)
ls -1 build/package/*.deb
