#!/usr/bin/env bash
# Builds an optimised program and runs the benchmark (on a quiet machine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset bench
cmake --build --preset bench
exec build/bench/bench/torvak-bench
