#!/usr/bin/env bash
# Checks the tree against the project's formatting and clang-tidy configuration. Needs a configured
# build folder (its compile_commands.json), by default build/release. Ends with one line
# "Lint: N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/release}
jobs=${JOBS:-$(nproc)}
passed=0
failed=0

echo "-- clang-format"
if git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror; then
  passed=$((passed + 1))
else
  echo "Not formatted: run scripts/format.sh."
  failed=$((failed + 1))
fi

echo "-- clang-tidy over core, cli and gui"
tidy_log=$(mktemp)
run-clang-tidy -quiet -p "$build_dir" -j "$jobs" "$PWD/(core|cli|gui)/" >"$tidy_log" 2>&1
# run-clang-tidy's own exit code does not count warnings, so read them from its output.
findings=$(grep -E '(warning|error): ' "$tidy_log" | sort -u)
if [ -z "$findings" ]; then
  passed=$((passed + 1))
else
  echo "$findings"
  failed=$((failed + 1))
fi
rm -f "$tidy_log"

echo "Lint: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
