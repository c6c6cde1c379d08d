#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whichever Debian package the build, the program or the tests need and is missing.
set -euo pipefail

packages=(cmake g++ ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev libbenchmark-dev libsqlite3-dev libzstd-dev
          pkg-config libxcb1-dev libxcb-xfixes0-dev libxcb-xtest0-dev libxcb-res0-dev
          xvfb xauth xclip xdotool xterm x11-utils x11-xkb-utils trayer imagemagick fonts-noto-cjk clang openbox
          appstream desktop-file-utils man-db shared-mime-info dpkg-dev lintian
          at-spi2-core dbus-daemon)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
