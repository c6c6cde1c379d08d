#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in Release (build/package) with Debian's hardening flags, fails on any
# lintian error, installs it on this machine with apt-get and checks the installed program, menu entry
# and software-centre metadata. No tests are built.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QK_PACKAGE_BUILD:-$root/build/package}"
"$root/scripts/deps.sh"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# The flags Debian builds its packages with, every hardening feature on (fortified functions, stack
# protector, read-only relocations bound at start); run from the sources, whose paths they map.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(cd "$root" && dpkg-buildflags --get CPPFLAGS) $(cd "$root" && dpkg-buildflags --get CXXFLAGS)"
ldflags=$(cd "$root" && dpkg-buildflags --get LDFLAGS)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQK_BUILD_TESTS=OFF "${launcher[@]}" \
      -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build"
rm -f "$build"/quillkeeper_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/quillkeeper_*.deb)
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Depends|Recommends):'
# Errors fail the package; warnings and notes are shown.
lintian --fail-on error "$deb"

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
(cd "$build" && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "./$(basename "$deb")")

expected=$(sed -n 's/^project(QuillKeeper VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
version=$(env -u DISPLAY -u WAYLAND_DISPLAY quillkeeper --version)
[[ "$version" == "QuillKeeper $expected" ]] || { echo "FAIL: the installed program says '$version'"; exit 1; }
desktop-file-validate /usr/share/applications/quillkeeper.desktop
appstreamcli validate /usr/share/metainfo/org.example.quillkeeper.metainfo.xml
echo "$(basename "$deb") installed: $version"
