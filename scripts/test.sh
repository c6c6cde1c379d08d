#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, runs every test.
# Extra arguments go to ctest, e.g. scripts/test.sh -L unit   or   scripts/test.sh -R tst_listitems
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/test"
"$root/scripts/deps.sh"
# The benchmarks are built too (not run), so that a change cannot leave them uncompilable.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQK_SANITIZE=ON -DQK_BUILD_BENCH=ON >/dev/null
cmake --build "$build"

# Leaks inside system libraries (fontconfig, Xlib, ...) are theirs, not ours.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
if [[ $# -gt 0 ]]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure "$@"
fi
ctest --output-on-failure -LE x11
xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure -L x11
