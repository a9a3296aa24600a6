#!/usr/bin/env bash
# Builds everything twice (warnings as errors; the core tests under AddressSanitizer and
# UndefinedBehaviorSanitizer), runs every test, checks formatting and clang-tidy, runs each fuzz
# target for FUZZ_SECONDS (20), checks the Debian package when run as root and ends with one
# summary line.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || { echo "Summary: 0 passed, 1 failed (set-up)"; exit 1; }

jobs=${JOBS:-$(nproc)}
passed=0
failed=0

# Runs ctest in a build folder and adds its counts to the totals.
run_ctest() {
  local dir=$1 log
  log=$(mktemp)
  # The window tests need a display; a virtual one serves on machines without. The start-up tests
  # race real processes for the focus on a loaded machine, so a failed test gets one more run; a
  # fault fails both.
  (cd "$dir" && xvfb-run -a -s "-screen 0 1280x1024x24" \
      ctest --output-on-failure --timeout 300 -j "$jobs" --repeat until-pass:2) 2>&1 | tee "$log"
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
  else
    local fail total
    fail=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + total - fail))
    failed=$((failed + fail))
  fi
  rm -f "$log"
}

build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DTAGFORGE_WERROR=ON "$@" >/dev/null &&
    cmake --build "$dir" -j "$jobs"
}

echo "== Build with warnings as errors"
if build build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
  run_ctest build/release
else
  echo "The build failed."
  failed=$((failed + 1))
fi

echo "== Lint: clang-format and clang-tidy"
# Reads the release build's compile commands, so it runs after that build.
lint_log=$(mktemp)
bash scripts/lint.sh build/release 2>&1 | tee "$lint_log"
lint_line=$(grep -E '^Lint: [0-9]+ passed, [0-9]+ failed' "$lint_log" | tail -n 1)
if [ -z "$lint_line" ]; then
  failed=$((failed + 1))
else
  passed=$((passed + $(sed -E 's/^Lint: ([0-9]+) passed.*/\1/' <<<"$lint_line")))
  failed=$((failed + $(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$lint_line")))
fi
rm -f "$lint_log"

echo "== Core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
if build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTAGFORGE_SANITIZE=ON \
    -DTAGFORGE_BUILD_BENCHMARKS=OFF -DTAGFORGE_BUILD_UI=OFF; then
  run_ctest build/sanitize
else
  echo "The sanitizer build failed."
  failed=$((failed + 1))
fi

echo "== Fuzz targets, briefly"
# Each libFuzzer target runs a short while, so that a regression in a reader shows up here.
fuzz_log=$(mktemp)
bash scripts/fuzz.sh "${FUZZ_SECONDS:-20}" 2>&1 | tee "$fuzz_log"
fuzz_line=$(grep -E '^Fuzz: [0-9]+ passed, [0-9]+ failed' "$fuzz_log" | tail -n 1)
if [ -z "$fuzz_line" ]; then
  failed=$((failed + 1))
else
  passed=$((passed + $(sed -E 's/^Fuzz: ([0-9]+) passed.*/\1/' <<<"$fuzz_line")))
  failed=$((failed + $(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$fuzz_line")))
fi
rm -f "$fuzz_log"

# The installed program: needs root for apt-get and a second user, as CI has.
echo "== The Debian package: build, install, start as an ordinary user, remove"
if [ "$(id -u)" -eq 0 ]; then
  package_log=$(mktemp)
  bash scripts/check_package.sh 2>&1 | tee "$package_log"
  package_line=$(grep -E '^package check: [0-9]+ passed, [0-9]+ failed' "$package_log" | tail -n 1)
  if [ -z "$package_line" ]; then
    failed=$((failed + 1))
  else
    passed=$((passed + $(sed -E 's/^package check: ([0-9]+) passed.*/\1/' <<<"$package_line")))
    failed=$((failed + $(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$package_line")))
  fi
  rm -f "$package_log"
else
  echo "(skipped: installing the package needs root)"
fi

echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
