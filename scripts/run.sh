#!/usr/bin/env bash
# Builds the program and starts it from its build folder, where it keeps its data (Profiles, ...)
# beside the executable, in build/release/app. A first start puts the starter set in place and
# opens on the About page.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target tagforge

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting TagForge on a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/release/app/tagforge
fi
exec ./build/release/app/tagforge
