#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Records the golden replays again, one aimed game of each episode, after RulesVersion was
# raised: tests/replays/record.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
for k in 1 2 3 4; do
  "$build/gravok/gravok-sim" --aim --episode "$k" --seed "$k" --dir "$here/../../data" \
    --record "$here/episode$k.replay"
done
