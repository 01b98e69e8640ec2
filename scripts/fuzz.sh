#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, replays the seed corpus as a regression test,
# then fuzzes each target for a bounded time. New inputs go to the build
# tree, never into the repository's corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz
cmake --build --preset fuzz

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# A table's text may run to 59283 bytes (156 lines of 126 three-byte
# characters); 8192 reaches past line 157 and past the longest line while
# keeping each run fast.
# A tournament's file reaches past 4096 bytes with long names in every box.
declare -A max_len=([gimmick_file]=20096 [gimmick_text]=8192 [numbers]=512 [tournament_file]=4096)
for target in gimmick_file gimmick_text numbers tournament_file; do
  echo "== Replaying the corpus of fuzz_${target}"
  build/fuzz/fuzz/fuzz_${target} fuzz/corpus/${target}/*
  echo "== Fuzzing fuzz_${target} for ${seconds} s"
  found=build/fuzz/found-${target}
  mkdir -p "$found"
  build/fuzz/fuzz/fuzz_${target} -max_total_time="$seconds" -max_len="${max_len[$target]}" \
    -print_final_stats=1 -artifact_prefix=build/fuzz/crash-${target}- \
    "$found" fuzz/corpus/${target}
done
