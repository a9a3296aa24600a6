#!/usr/bin/env bash
# Builds the program and starts it from its build folder, where it keeps its data (Profiles, ...)
# beside the executable, in build/release/app. A first start puts the starter set in place and
# opens on the About page.
#
# Without a display it shows the program's job instead: it formats a sample message with
# tagforge-cli, then starts the window on a virtual display over a sample folder of its own,
# copies the result as the copy button does, reports the clipboard and saves a screenshot to
# build/screenshots/run.png. The build's full output goes to build/run.log.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
log=$root/build/run.log
mkdir -p build
: >"$log"

# Shows the end of the log and stops; used when a stage fails.
fail() {
  echo "$1 failed; the last lines of $log:" >&2
  tail -n 30 "$log" >&2
  exit 1
}

echo "1/3 Set-up: installing the build tools with apt-get where missing"
bash scripts/setup.sh >>"$log" 2>&1 || fail "The set-up"

echo "2/3 Configure: cmake in build/release"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >>"$log" 2>&1 ||
  fail "Configuring"

# Ninja's "[N/M] ..." lines become one progress line, redrawn in place on a terminal.
show_progress() {
  local line
  while IFS= read -r line || [ -n "$line" ]; do
    printf '%s\n' "$line" >>"$log"
    if [ -t 1 ] && [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]]; then
      printf '\r3/3 Build: %s of %s' "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"
    fi
  done
  if [ -t 1 ]; then printf '\r\033[K'; fi
}

set +e
cmake --build build/release -j "$(nproc)" --target tagforge tagforge-cli 2>&1 | show_progress
status=${PIPESTATUS[0]}
set -e
last_step=$(grep -oE '^\[[0-9]+/[0-9]+\]' "$log" | tail -n 1 | tr -d '[]' || true)
if [ "$status" -ne 0 ]; then
  last_step=${last_step:-0/?}
  echo "3/3 Build: stopped at step ${last_step/\// of }"
  fail "The build"
elif [ -n "$last_step" ]; then
  echo "3/3 Build: ${last_step#*/} of ${last_step#*/} steps done"
else
  echo "3/3 Build: up to date"
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/release/app/tagforge
fi

exec bash scripts/headless_demo.sh
