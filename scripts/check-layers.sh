#!/usr/bin/env bash
# Checks that the folders of src/ form layers: prints which folder includes which, then the
# folders from the lowest layer up, and fails when folders include each other round a cycle.
set -euo pipefail
cd "$(dirname "$0")/../src"
edges=$(grep -rHoE '^#include "[a-z]+/' --include='*.h' --include='*.cpp' . \
        | sed -E 's#^\./([a-z]+)/[^:]*:\#include "([a-z]+)/#\1 \2#' | awk '$1 != $2' | sort -u)
echo "includes:"
echo "$edges" | sed 's/ / -> /; s/^/  /'
echo "layers, lowest first:"
# tsort puts each folder before the folders that include it, and fails on a cycle.
echo "$edges" | awk '{print $2, $1}' | tsort | sed 's/^/  /'
