#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cold start of the Release program to its mapped main window, five times, on an X server.
# Usage: xvfb-run -a bench/coldstart.sh   (after scripts/run.sh or a Release build in build/release)
set -u
program="$(cd "$(dirname "$0")/.." && pwd)/build/release/src/quillkeeper"
for i in 1 2 3 4 5; do
  dir=$(mktemp -d)
  cp "$program" "$dir/"
  start=$(date +%s%N)
  "$dir/quillkeeper" 2>/dev/null &
  pid=$!
  until xdotool search --onlyvisible --name '^Arlen.T.K. QuillKeeper$' >/dev/null 2>&1; do sleep 0.005; done
  end=$(date +%s%N)
  echo "cold start to mapped window: $(( (end - start) / 1000000 )) ms"
  kill "$pid"; wait "$pid" 2>/dev/null
  rm -rf "$dir"
done
