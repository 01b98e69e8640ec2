#!/usr/bin/env bash
# Builds an optimised program and runs the benchmark (on a quiet machine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVAK_TESTS=OFF -DTORVAK_BENCH=ON
cmake --build build/bench --target torvak-bench
exec build/bench/bench/torvak-bench
