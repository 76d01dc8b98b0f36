#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the game need, if any are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-tools-dev qt6-l10n-tools
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-urw-base35 qt6-translations-l10n
  qt6-svg-dev qt6-wayland weston
  libsdl2-dev zlib1g-dev
  clang libclang-rt-14-dev llvm clang-format clang-tidy
  xvfb xdotool x11-utils imagemagick
  desktop-file-utils appstream groff-base dpkg-dev lintian reuse
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}"
