#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every window, as it opens and after a typical use, into
# docs/screenshots/ (the pictures the README shows).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset debug
cmake --build --preset debug --target torvak-screenshots
QT_QPA_PLATFORM=offscreen build/debug/tests/torvak-screenshots docs/screenshots
