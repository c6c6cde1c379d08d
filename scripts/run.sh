#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds QuillKeeper in Release and starts it with the given clip-list files.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQK_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/release" --target quillkeeper
exec "$root/build/release/src/quillkeeper" "$@"
