#!/usr/bin/env bash
# Builds the fuzz preset and runs each fuzz target (fuzz/) for SECONDS
# (default 60), one after the other, each seeded from the shipped files in
# data/. Non-zero when any target finds something: a crash, a failed check, a
# leak, undefined behaviour, a run over 10 s or over 2 GB. What a target found
# is kept in build/fuzz/findings/; what it learnt in build/fuzz/corpus/ (both
# outside the source tree). Prints the executions of each target.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=build/fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# Seeds: copies of the shipped files each target reads, made afresh each run.
seeds=$build/seeds
rm -rf "$seeds"
seed() {
  local target=$1
  shift
  mkdir -p "$seeds/$target"
  local file
  for file in "$@"; do cp "$file" "$seeds/$target/$(echo "$file" | tr '/ ' '__')"; done
}
seed PrivateProfileFuzzer data/config.ini data/skins/INI_*/*.ini
seed MacroFileFuzzer data/Macro_*.dat data/skins/INI_*/defMacro.dat
seed SkinFuzzer data/skins/INI_*/*.ini
# The small pictures (masks, lists, the knob): the page pictures add nothing
# but length.
mapfile -t pictures < <(find data/skins -maxdepth 1 -name '*.jpg' -size -10k | sort)
seed MaskShapeFuzzer "${pictures[@]}"
# Button reports: the mouse's press and release of button 6 (06 F6, 06 00),
# in the handler's input form (report lengths and driver state steer from the
# end of the input).
mkdir -p "$seeds/ButtonReportFuzzer"
printf '\x06\xf6\x06\x00\x02\x02\x01\x01\x00' >"$seeds/ButtonReportFuzzer/press_release"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=()
summary=()
for target in PrivateProfileFuzzer MacroFileFuzzer SkinFuzzer ButtonReportFuzzer MaskShapeFuzzer; do
  corpus=$build/corpus/$target
  findings=$build/findings
  log=$build/logs/$target.log
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  echo "== $target: $seconds s"
  rc=0
  timeout --kill-after=30 $((seconds + 300)) "$build/fuzz/$target" "$corpus" "$seeds/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$target-" >"$log" 2>&1 || rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  summary+=("$(printf '%-22s %12s runs  %s' "$target" "${runs:-?}" "$([ $rc -eq 0 ] && echo ok || echo "FINDING (exit $rc, see $log)")")")
  if [ $rc -ne 0 ]; then
    failed+=("$target")
    grep -E 'ERROR|fuzz check failed|runtime error|Test unit written' "$log" | head -5 || true
  fi
done

echo
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: findings in ${failed[*]}" >&2
  exit 1
fi
