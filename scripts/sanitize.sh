#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything, the Qt parts included, with AddressSanitizer and UBSan in BUILD_DIR and
# runs the test suite there (all but the tests that drive a real display or the package
# manager). Any report fails the run.
#   scripts/sanitize.sh BUILD_DIR [CXX]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?build directory}
cxx=${2:-clang++}
start=$(date +%s)

# Set for the build as well: it runs the artwork generator and the test discovery.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:check_initialization_order=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
export QT_QPA_PLATFORM=offscreen

# The benchmarks are built and run from the normal build; here they would only cost time.
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" -DGRAVOK_SANITIZE=ON -DGRAVOK_BENCH=OFF >/dev/null
cmake --build "$build"
status=0
# The real-window and package tests drive X and apt; the normal build runs those.
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)" --label-exclude 'e2e|package') || status=$?
echo "sanitize: $([ $status -eq 0 ] && echo passed || echo FAILED) in $(( $(date +%s) - start ))s ($cxx, $build)"
exit $status
