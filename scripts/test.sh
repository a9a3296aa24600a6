#!/usr/bin/env bash
# Builds everything twice (warnings as errors; the core tests under AddressSanitizer and
# UndefinedBehaviorSanitizer), runs every test, checks formatting and clang-tidy, cross-builds
# the core and the CLI for Windows and runs their tests under Wine, runs each fuzz target for
# FUZZ_SECONDS (20), checks the Debian package when run as root and ends with one summary line.
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

# Runs a checking script (its name and arguments), shows its output and adds the counts of its
# last line "<label>: N passed, M failed" to the totals; no such line counts as one failure.
run_counted() {
  local label=$1 log line
  shift
  log=$(mktemp)
  bash "$@" 2>&1 | tee "$log"
  line=$(grep -E "^$label: [0-9]+ passed, [0-9]+ failed" "$log" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
  else
    passed=$((passed + $(sed -E 's/.*: ([0-9]+) passed.*/\1/' <<<"$line")))
    failed=$((failed + $(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")))
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

echo "== The start command on a machine without a display"
# Reuses the release build, so it only runs the sample through the CLI and the window.
run_counted "start command" scripts/check_run.sh

echo "== Lint: clang-format and clang-tidy"
# Reads the release build's compile commands, so it runs after that build.
run_counted Lint scripts/lint.sh build/release

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

echo "== The Windows build under Wine"
# The core, tagforge-cli and their tests cross-built with MinGW-w64 and run under wine64.
run_counted windows scripts/windows.sh

echo "== Fuzz targets, briefly"
# Each libFuzzer target runs a short while, so that a regression in a reader shows up here.
run_counted Fuzz scripts/fuzz.sh "${FUZZ_SECONDS:-20}"

# The installed program: needs root for apt-get and a second user, as CI has.
echo "== The Debian package: build, install, start as an ordinary user, remove"
if [ "$(id -u)" -eq 0 ]; then
  run_counted "package check" scripts/check_package.sh
else
  echo "(skipped: installing the package needs root)"
fi

echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
