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
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.quillkeeper.metainfo.xml"
update-mime-database "$prefix/share/mime"
grep -q 'glob pattern="\*.qkp"' "$prefix/share/mime/application/x-quillkeeper-list.xml" || fail "no file type for .qkp"
grep -q '^MimeType=application/x-quillkeeper-list;' "$desktop" || fail "the menu entry opens no clip-list files"
[[ -z $(LC_ALL=C.UTF-8 man --warnings -l "$prefix/share/man/man1/quillkeeper.1" 2>&1 >/dev/null) ]] || fail "man --warnings"
grep -q 'lang="ja"' "$prefix/share/quillkeeper/GuideQKPR/guidetop.htm" || fail "the help page is not the Japanese one"
echo "installed into $prefix: all in place"
