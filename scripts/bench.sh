#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release and runs them. Arguments go to every benchmark program
# (e.g. --benchmark_filter=Caption).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/bench"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQK_BUILD_TESTS=OFF -DQK_BUILD_BENCH=ON >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# These need an X server; without a display they get one of their own.
x11_benches=" bench_clipboard_idle bench_xcbclipboardconnection bench_hotkey bench_clipboardserve "
for b in "$build"/bench/bench_*; do
  [[ -f "$b" && -x "$b" ]] || continue
  echo "== $(basename "$b")"
  if [[ -z "${DISPLAY:-}" && "$x11_benches" == *" $(basename "$b") "* ]]; then
    xvfb-run -a -s "-screen 0 1024x768x24" "$b" "$@"
  else
    "$b" "$@"
  fi
done
