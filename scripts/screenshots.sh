#!/usr/bin/env bash
# Renders every window, as it opens and after a typical use, into
# docs/screenshots/ (the pictures the README shows).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVAK_WERROR=ON
cmake --build build/test --target torvak-screenshots
QT_QPA_PLATFORM=offscreen build/test/tests/torvak-screenshots docs/screenshots
