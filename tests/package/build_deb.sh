#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and prints its path.
#   tests/package/build_deb.sh [BUILD_DIR]      (default: build)
# Two runs on one commit give the same bytes: every timestamp in the package is the
# commit's time unless SOURCE_DATE_EPOCH says otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 0)
fi
export SOURCE_DATE_EPOCH

cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" >&2
rm -f "$build"/gravok_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/gravok_*.deb
