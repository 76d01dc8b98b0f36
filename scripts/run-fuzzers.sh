#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target built in BUILD_DIR/fuzz for SECONDS each, on a copy of its seed
# corpus inside the build directory (the repository stays as it is), and ends with one
# summary line per target. Fails when any target finds a crash, a leak, a hang or a
# sanitizer report; the input that did it is named in the output.
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
set -uo pipefail
cd "$(dirname "$0")/.."

build=${1:?build directory}
seconds=${2:?seconds per target}
shift 2
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi

# Leaks count as findings; stacks with symbols for the report.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:check_initialization_order=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

declare -A pids
summary=()
failed=0
passed=0
for t in "${targets[@]}"; do
  exe=$build/fuzz/$t
  corpus=$build/fuzz-corpus/$t
  artifacts=$build/fuzz-artifacts/$t
  log=$build/fuzz-logs/$t.log
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  [ -d "fuzz/corpus/$t" ] && cp -n fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null
  args=(-max_total_time="$seconds" -timeout=5 -print_final_stats=1 -artifact_prefix="$artifacts/")
  [ -f "fuzz/$t.dict" ] && args+=(-dict="fuzz/$t.dict")

  echo "== $t: ${seconds}s on $corpus"
  # One target a core at a time: each is one process, and the machine's others wait idle.
  "$exe" "${args[@]}" "$corpus" >"$log" 2>&1 &
  pids[$t]=$!
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n; done
done

for t in "${targets[@]}"; do
  exe=$build/fuzz/$t
  log=$build/fuzz-logs/$t.log
  wait "${pids[$t]}"
  rc=$?
  # libFuzzer's last status line ("#123 DONE cov: ... ft: ... corp: ...") and its stats.
  done_line=$(grep -E '^#[0-9]+[[:space:]]+(DONE|INITED|pulse|NEW|REDUCE)' "$log" | tail -1)
  execs=$(sed -n 's/^stat::average_exec_per_sec:[[:space:]]*//p' "$log")
  runs=$(sed -n 's/^stat::number_of_executed_units:[[:space:]]*//p' "$log")
  cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9]+[a-zA-Z]*' <<<"$done_line")
  if [ $rc -ne 0 ]; then
    failed=1
    echo "!! $t failed (exit $rc); the log is $log"
    grep -E '^(==[0-9]+==|SUMMARY|fuzz check failed|artifact_prefix|Test unit written)|runtime error' "$log" | head -20
    tail -40 "$log"
    echo "!! reproduce with: $exe <input above>; keep the input in fuzz/crashes/$t/"
    summary+=("$t: FAILED (exit $rc) after ${runs:-?} runs; $log")
  else
    passed=$((passed + 1))
    summary+=("$t: ${execs:-?} execs/s, ${runs:-?} runs in ${seconds}s, ${cov:-no coverage line}")
  fi
done

echo "== fuzzing summary"
printf '%s\n' "${summary[@]}"
echo "fuzz: $passed passed, $(( ${#targets[@]} - passed )) failed"
exit $failed
