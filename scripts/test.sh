#!/usr/bin/env bash
# Builds everything and runs every test: the check that includes run down the
# folders' floors, the native suite, every benchmark with tiny counts, the same
# suite under the address/undefined-behaviour and thread sanitizers, every fuzz
# target for 10 s, the Windows program, and the end-to-end tests of that
# program under Wine. Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

started=$SECONDS
stage() {
  echo
  echo "== $* ($((SECONDS - started)) s)"
}

native_suite() {
  local preset=$1
  shift
  stage "$preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  stage "$preset: tests"
  "$@" ctest --preset "$preset" -j2
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

# ThreadSanitizer cannot map its shadow memory when the kernel randomises
# addresses with more bits than it expects (vm.mmap_rnd_bits > 28 on newer
# kernels); running the suite without address randomisation avoids that.
no_aslr=()
if setarch "$(uname -m)" -R true 2>/dev/null; then
  no_aslr=(setarch "$(uname -m)" -R)
fi

# Every benchmark once with tiny counts, so that none can rot: they print their
# figures and never judge them, but one that fails or hangs fails the run.
benchmarks_smoke() {
  stage "native: benchmarks (--smoke)"
  local bench
  for bench in build/native/bench/*_bench; do
    echo "-- $bench --smoke"
    timeout --kill-after=10 120 "$bench" --smoke
  done
}

stage "layers: every include runs downward"
python3 scripts/check-layers.py

native_suite native
benchmarks_smoke
native_suite native-asan
native_suite native-tsan "${no_aslr[@]}"

stage "fuzz: every target 10 s"
scripts/fuzz.sh 10

stage "win64: build"
cmake --preset win64 >/dev/null
cmake --build --preset win64

stage "e2e: TX80.exe under Wine"
timeout --kill-after=30 1800 python3 e2e/run.py

stage "all passed"
