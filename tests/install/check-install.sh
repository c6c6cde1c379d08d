#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built program into a temporary prefix and checks that everything a desktop needs is
# where it belongs, and that the installed program finds its help page there.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*"; exit 1; }
for f in bin/quillkeeper share/quillkeeper/GuideQKPR/guidetop.htm share/applications/quillkeeper.desktop \
         share/icons/hicolor/scalable/apps/quillkeeper.svg share/icons/hicolor/16x16/apps/quillkeeper.png \
         share/icons/hicolor/32x32/apps/quillkeeper.png share/icons/hicolor/48x48/apps/quillkeeper.png \
         share/icons/hicolor/64x64/apps/quillkeeper.png share/doc/quillkeeper/copyright; do
  [[ -e "$prefix/$f" ]] || fail "$f is not installed"
done
[[ -x "$prefix/bin/quillkeeper" ]] || fail "the program is not executable"
desktop="$prefix/share/applications/quillkeeper.desktop"
grep -q '^Exec=quillkeeper' "$desktop" || fail "the menu entry does not start the program"
grep -q '^Categories=.*Utility;' "$desktop" || fail "the menu entry is not under Utility"
grep -q '^Name\[ja\]=' "$desktop" || fail "the menu entry has no Japanese name"
grep -q '^Icon=quillkeeper$' "$desktop" || fail "the menu entry names another icon"
desktop-file-validate "$desktop"
appstreamcli validate "$prefix/share/metainfo/org.example.quillkeeper.metainfo.xml"
# The install itself brings the desktop's caches up to date: the file type is known and opens here.
grep -q 'glob pattern="\*.qkp"' "$prefix/share/mime/application/x-quillkeeper-list.xml" || fail "no file type for .qkp"
grep -q '^MimeType=application/x-quillkeeper-list;' "$desktop" || fail "the menu entry opens no clip-list files"
grep -q '^application/x-quillkeeper-list=quillkeeper.desktop;' "$prefix/share/applications/mimeinfo.cache" \
  || fail "the desktop's cache does not know what opens clip-list files"
[[ -z $(LC_ALL=C.UTF-8 man --warnings -l "$prefix/share/man/man1/quillkeeper.1.gz" 2>&1 >/dev/null) ]] || fail "man --warnings"
grep -q '^License: GPL-3.0+$' "$prefix/share/doc/quillkeeper/copyright" \
  && grep -q '/usr/share/common-licenses/GPL-3' "$prefix/share/doc/quillkeeper/copyright" \
  || fail "the copyright file does not name its licence in the machine-readable form"
grep -q 'lang="ja"' "$prefix/share/quillkeeper/GuideQKPR/guidetop.htm" || fail "the help page is not the Japanese one"
echo "installed into $prefix: all in place"
