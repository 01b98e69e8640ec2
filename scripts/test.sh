#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, then the whole test suite twice (a build with warnings as errors,
# and a build under AddressSanitizer and UndefinedBehaviorSanitizer), then
# the fuzz targets: their corpus replayed, and a minute of fuzzing each. Both
# builds build the benchmark, and its quick check is one of their tests.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "== Build with warnings as errors"
cmake --preset debug
cmake --build --preset debug -j "$jobs"
ctest --preset debug -j "$jobs" | tee -a "$log"

echo "== Build under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs" | tee -a "$log"

echo "== Fuzzing the data file loader, the gimmick table text, the number reader and the tournament file"
bash scripts/fuzz.sh 60

# Both suites passed (set -o pipefail stops the script otherwise): one line
# that sums them up.
total=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log" | awk '{ s += $1 } END { print s + 0 }')
echo "tests: ${total} passed, 0 failed"
