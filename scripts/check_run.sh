#!/usr/bin/env bash
# Runs the start command as on a machine without a display and checks that it ends by itself
# with the sample's HTML, the clipboard's report and a screenshot.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

out=build/run-check.log
screenshot=build/screenshots/run.png
rm -f "$screenshot"
timeout 600 env -u DISPLAY -u WAYLAND_DISPLAY bash scripts/run.sh >"$out" 2>&1
status=$?

passes=0
failures=0
check() {  # check "what" command...
  local what=$1; shift
  if "$@"; then
    echo "ok: $what"; passes=$((passes + 1))
  else
    echo "FAILED: $what"; failures=$((failures + 1))
  fi
}
check "ended by itself with exit status 0" test "$status" -eq 0
check "printed the sample's HTML" grep -q '<font color=' "$out"
check "the clipboard held the line tagforge-cli printed" \
  grep -q 'the same line tagforge-cli printed' "$out"
check "saved $screenshot" test -s "$screenshot"
[ "$failures" -eq 0 ] || cat "$out"
echo "start command: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
