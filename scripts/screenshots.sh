#!/usr/bin/env bash
# Starts the real window on a virtual display and saves a PNG of every page, of the smiley pane
# and of the ASCII art and font managers into
# build/screenshots (or the folder given as the first argument).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target tagforge-screenshots tagforge-draw-smileys

output=$(realpath -m "${1:-build/screenshots}")
program=$(mktemp -d)
trap 'rm -rf "$program"' EXIT
# The program folder holds the starter set, as after the first run of the start command.
bash scripts/install_starter.sh "$program" build/release/starter/tagforge-draw-smileys >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ./build/release/tests/screenshots/tagforge-screenshots "$program" "$output"
echo "Screenshots are in $output"
