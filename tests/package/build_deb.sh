#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and prints its path.
#   tests/package/build_deb.sh [BUILD_DIR]      (default: build)
# The package is compiled in BUILD_DIR/deb with Debian's own flags (dpkg-buildflags, all
# hardening on: stack protector, FORTIFY_SOURCE, relro and BIND_NOW, PIE), without the
# tests; the .deb lands in BUILD_DIR. Two runs on one commit give the same bytes: every
# timestamp in the package is the commit's time unless SOURCE_DATE_EPOCH says otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
deb_build=$build/deb

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 0)
fi
export SOURCE_DATE_EPOCH

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { (cd "$root" && dpkg-buildflags --get "$1"); }
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Build type None: the flags are Debian's alone, as debhelper's cmake build does it.
cmake -S "$root" -B "$deb_build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=None -DGRAVOK_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(flags CXXFLAGS) $(flags CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build "$deb_build" >&2
rm -f "$build"/gravok_*.deb
(cd "$deb_build" && cpack -G DEB -B "$build" >/dev/null)
rm -rf "$build/_CPack_Packages"
ls "$build"/gravok_*.deb
