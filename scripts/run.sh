#!/usr/bin/env bash
# Set-up, build and start Torvak Utilities.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVAK_TESTS=OFF
cmake --build build/release
exec build/release/torvak-utilities
