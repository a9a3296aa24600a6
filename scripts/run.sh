#!/usr/bin/env bash
# Builds the program and starts it. Its data folders (Profiles, ...) live beside the executable,
# in build/release/app; a starter tag list, ASCII art catalogue and smiley group are put there
# when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target tagforge tagforge-draw-smileys
bash scripts/install_starter.sh build/release/app build/release/starter/tagforge-draw-smileys

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting TagForge on a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/release/app/tagforge
fi
exec ./build/release/app/tagforge
