#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs them all at
# once, each on its seed corpus (tests/fuzz/corpus) merged into a working
# corpus kept in build-fuzz/corpus.
#
#   scripts/fuzz.sh HOURS          run for HOURS hours (fractions allowed)
#   scripts/fuzz.sh --seconds N    run for N seconds (the CI run)
#
# A finding is written to build-fuzz/findings/TARGET-crash-* (or -timeout-,
# -leak-, -oom-), and the script fails. Rerun one with
# build-fuzz/tests/fuzz/fuzz_TARGET FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ${1:-} == --seconds && -n ${2:-} ]]; then
  seconds=$2
elif [[ -n ${1:-} && ${1:-} != -* ]]; then
  seconds=$(awk -v h="$1" 'BEGIN { printf "%d", h * 3600 }')
else
  echo "usage: scripts/fuzz.sh HOURS | --seconds N" >&2
  exit 2
fi
bash scripts/deps.sh

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++-14 -DZK_FUZZ=ON -DZK_GUI=OFF -DZK_DATA=OFF > /dev/null
cmake --build build-fuzz -j"$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
targets=(slownik plansza ustawienia tekst)
mkdir -p build-fuzz/findings
pids=()
for t in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$t
  mkdir -p "$corpus"
  cp -n tests/fuzz/corpus/$t/* "$corpus"/
  build-fuzz/tests/fuzz/fuzz_$t -max_total_time="$seconds" -timeout=10 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix=build-fuzz/findings/$t- "$corpus" \
      > build-fuzz/fuzz_$t.log 2>&1 &
  pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' build-fuzz/fuzz_$t.log)
    echo "fuzz_$t: ${runs:-?} inputs in ${seconds} s, nothing found"
  else
    failed=1
    echo "fuzz_$t: FOUND a fault (build-fuzz/fuzz_$t.log):"
    grep -E 'check failed|ERROR|runtime error|SUMMARY|Test unit written' build-fuzz/fuzz_$t.log || true
  fi
done
exit $failed
