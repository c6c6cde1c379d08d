#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the folders of src/ form layers: prints which folder includes which, then the
# folders from the lowest layer up, and fails when folders include each other round a cycle, or
# when anything but the composition root (app/) names the X11 code instead of its seam.
set -euo pipefail
cd "$(dirname "$0")/../src"
# A subfolder belongs to its top folder's layer, except these, which are layers of their own.
own_layers="platform/x11"
edges=$(grep -rHoE '^#include "[a-z0-9/]+/' --include='*.h' --include='*.cpp' . \
        | awk -v own="$own_layers" '
            function layer(path,   n, i, parts) {
                n = split(own, parts, " ")
                for (i = 1; i <= n; i++)
                    if (index(path "/", parts[i] "/") == 1) return parts[i]
                sub(/\/.*/, "", path)
                return path
            }
            {
                split($0, halves, ":#include \"")
                from = halves[1]; sub(/^\.\//, "", from); sub(/\/[^\/]*$/, "", from)
                to = halves[2]; sub(/\/$/, "", to)
                if (layer(from) != layer(to)) print layer(from), layer(to)
            }' | sort -u)
echo "includes:"
echo "$edges" | sed 's/ / -> /; s/^/  /'
echo "layers, lowest first:"
# tsort puts each folder before the folders that include it, and fails on a cycle.
echo "$edges" | awk '{print $2, $1}' | tsort | sed 's/^/  /'
outsiders=$(echo "$edges" | awk '$2 == "platform/x11" && $1 != "app" {print $1}')
if [ -n "$outsiders" ]; then
    echo "platform/x11 is included from:" $outsiders "(only app/ may name it)" >&2
    exit 1
fi
