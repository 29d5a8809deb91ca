#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (clang and libFuzzer, in build-fuzz/) and runs each of them under
# AddressSanitizer and UndefinedBehaviorSanitizer; fails when any of them finds a crash, a
# broken property, a leak, a hang (an input over 10 s) or an input that exhausts memory.
#
#   fuzz/run.sh                  each target for 60 seconds
#   fuzz/run.sh 3600             each target for an hour
#   fuzz/run.sh 28800 rtf        the RTF reader alone for eight hours
#
# The targets: rtf (the RTF reader with the layout of what it read), rtf_parser (the RTF parser
# alone, bytes to the document model, thousands of inputs a second), records (record files,
# configurations, exercises), evaluator (the calculator), tableau (the command line of the
# table) and checks (the file of the students' checks kept between runs). The two RTF targets
# share their first inputs, dictionary and kept inputs (fuzz/regressions/rtf).
#
# The inputs that widen the coverage stay in build-fuzz/corpus/<target> from one run to the
# next. An input that made a target fail is in build-fuzz/findings/; once the fault is mended,
# copy it into fuzz/regressions/<target>/, where the test Fuzz.Replay.<target> replays it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

seconds="${1:-${TITRAGE_FUZZ_SECONDS:-60}}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(rtf rtf_parser records evaluator tableau checks)

cmake --preset fuzz >/dev/null
build_targets=(--target make_seeds)
for t in "${targets[@]}"; do build_targets+=(--target "fuzz_$t"); done
cmake --build build-fuzz -j "$(nproc)" "${build_targets[@]}"

work="$root/build-fuzz"
rm -rf "$work/seeds"
"$work/bin/make_seeds" "$work/seeds"
mkdir -p "$work/seeds/rtf/data" "$work/seeds/records/data" "$work/findings"
cp data/*.RTF "$work/seeds/rtf/data/"
cp data/*.C17 data/*.E44 data/*.PEM "$work/seeds/records/data/"
corpus="${TITRAGE_RTF_CORPUS:-$root/../shared/rtf-corpus}"
if [ -d "$corpus/files" ]; then cp "$corpus"/files/*.rtf "$work/seeds/rtf/data/"; fi

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

declare -A max_len=([rtf]=4096 [rtf_parser]=4096 [records]=12800 [evaluator]=256 [tableau]=512 [checks]=4096)
# The inputs, dictionary and kept inputs of each target.
declare -A inputs=([rtf]=rtf [rtf_parser]=rtf [records]=records [evaluator]=evaluator [tableau]=tableau [checks]=checks)
failed=()
for t in "${targets[@]}"; do
  mkdir -p "$work/corpus/$t" "$work/seeds/$t"
  echo "== fuzz_$t, $seconds s"
  i="${inputs[$t]}"
  # The parser's target allocates at every step: its reports keep no allocation stacks, and it
  # runs a quarter faster for it. To see where a finding's memory was taken or freed, run it
  # again with them: ASAN_OPTIONS=malloc_context_size=30 build-fuzz/bin/fuzz_rtf_parser FILE
  context=30
  [ "$t" = rtf_parser ] && context=0
  if ! ASAN_OPTIONS="$ASAN_OPTIONS:malloc_context_size=$context" "$work/bin/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="${max_len[$t]}" -dict="$root/fuzz/$i.dict" -print_final_stats=1 \
        -artifact_prefix="$work/findings/$t-" \
        "$work/corpus/$t" "$work/seeds/$i" "$root/fuzz/regressions/$i" \
        >"$work/fuzz_$t.log" 2>&1; then
    tail -n 60 "$work/fuzz_$t.log"
    failed+=("$t")
  else
    grep -E "^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added)" \
      "$work/fuzz_$t.log" || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in $work/findings/)"
  exit 1
fi
echo "Fuzzing: ${#targets[@]} targets ran ${seconds} s each without a finding"
