#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every PNG under resources/icons and resources/cursors from its SVG, so that a changed
# drawing needs only this: button pictures at 16 px and 32 px (KEY@2x.svg when a drawing of its
# own is kept for 32 px), pointers at 32 px, the program's own icon at its installed sizes.
# Needs rsvg-convert (librsvg2-bin); a tool of the drawing, not of the build.
set -eu
cd "$(dirname "$0")/../resources"
render() { rsvg-convert -w "$2" -h "$2" "$1" -o "$3"; }

for svg in icons/*.svg; do
    case $svg in
    *@2x.svg) continue ;;
    icons/quillkeeper.svg)
        for size in 16 32 48; do render "$svg" $size icons/quillkeeper-$size.png; done
        render "$svg" 64 icons/quillkeeper.png
        continue ;;
    esac
    key=${svg%.svg}
    render "$svg" 16 "$key.png"
    if [ -f "$key@2x.svg" ]; then render "$key@2x.svg" 32 "$key@2x.png"; else render "$svg" 32 "$key@2x.png"; fi
done
for svg in cursors/*.svg; do
    [ -e "$svg" ] || continue
    render "$svg" 32 "${svg%.svg}.png"
done
