#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer, core
# only) in build/fuzz (or FUZZ_BUILD_DIR) and runs each for the given number of seconds
# (default 180), starting from the seed inputs in tests/fuzz/corpus/<target>. Inputs found along
# the way are kept in <build>/corpus, findings in <build>/findings. Ends with
# "Fuzz: N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-180}
targets=(ini profile registry lists ascii codec result pages rich_text)
build=${FUZZ_BUILD_DIR:-build/fuzz}

bash scripts/setup.sh || { echo "Fuzz: 0 passed, 1 failed (set-up)"; exit 1; }
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if ! CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAGFORGE_FUZZ=ON -DTAGFORGE_SANITIZE=ON -DTAGFORGE_WERROR=ON "${launcher[@]}" >/dev/null ||
   ! cmake --build "$build" -j "${JOBS:-$(nproc)}"; then
  echo "Fuzz: 0 passed, 1 failed (build)"
  exit 1
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
passed=0
failed=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target/"
  mkdir -p "$corpus" "$findings"
  log="$build/$target.log"
  if "$build/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -max_len=8192 -print_final_stats=1 -artifact_prefix="$findings" \
      "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$')
    echo "fuzz $target: ${runs:-?} runs in ${seconds} s, clean"
    passed=$((passed + 1))
  else
    echo "fuzz $target: FAILED, see $log and $findings"
    tail -n 30 "$log"
    failed=$((failed + 1))
  fi
done
echo "Fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
